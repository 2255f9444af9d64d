#pragma once
// The set-up dialog, the program's main window: the scenario texts, the choice of how the map is
// made (random map of a chosen size, or an existing scenario with details and overview), building
// the map and opening the editor window, saving the map as a scenario file, and the user
// settings kept between runs.
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/programmdaten.h"
#include "app/ungespeichert_frage.h"
#include "app/wiederherstellung_frage.h"
#include "editor/sicherung.h"
#include "editor/start.h"
#include "scenario/karte_erzeugen.h"

class QComboBox;
class QGroupBox;
class QInputDialog;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;
class TGLForm;

// The user's answer when the map could not be saved at closing.
enum TSchliesswahl : uint8_t {
  swNochmals,      // try the same file again
  swAnderswo,      // save it under a file chosen in a file dialog
  swOhneSpeichern, // end the program without saving
  swZurueck        // do not end: back to the dialog
};

class THauptFormular : public QWidget {
  Q_OBJECT

public:
  // Starts the program state in the program folder (UTF-8, "/" at the end): seeds the random
  // source, starts the editor state, fills the lists, lists the scenario folder and reads the
  // user settings. Throws std::runtime_error when a data folder cannot be created.
  THauptFormular(TProgrammdaten& daten, const std::string& programmordner,
                 QWidget* parent = nullptr);
  // The same for the data folders chosen at start: ordner.Daten is the program folder, and
  // the folders of pictures and scenarios that come with the program are read after it.
  THauptFormular(TProgrammdaten& daten, const TDatenordner& ordner, QWidget* parent = nullptr);

  // Connects the editor window both ways: the dialog opens it, and it calls back for saving and
  // for showing the dialog again.
  void EditorFensterSetzen(TGLForm* fenster);

  void SpielEinstellungenEinrichten();
  void ComboBox7Change();
  void ComboBox2Change();
  // Lists the scenario folder (and the file opened from the command line) and previews the row
  // of waehlen, or the first row.
  void SzenariosAnzeigen(std::string waehlen = {});
  // Previews the chosen row; every change of the chosen row calls it.
  void ListView2Click();
  // The key filters of the width and height fields: true when the key is to be discarded.
  bool Edit8KeyPress(const QKeyEvent& taste) { return ZifferntasteVerwerfen(taste); }
  bool Edit9KeyPress(const QKeyEvent& taste) { return ZifferntasteVerwerfen(taste); }
  void SzenarioAnzeigen(int index);
  void ErzeugeUebersicht(bool nurStartpunkte);
  void Image1Click();
  // Starts with the scenario file at pfad chosen and previewed as source "Szenario"; a file
  // outside the scenario folder is read from where it is and shows in the list too.
  void SzenarioOeffnen(const std::string& pfad);
  // The scenario file named on the command line (a path or a file URL, as file managers pass
  // it), as an absolute path in the file system's bytes; empty when none is named.
  static std::string Befehlszeilendatei(const QStringList& argumente);
  // The modal file-name query: wide enough for its whole title.
  static std::unique_ptr<QInputDialog> Namensabfrage(QWidget* eltern, const QString& titel,
                                                     const QString& frage, const QString& text);
  void SpeedButton6Click();
  void EinstellungenAufnehmen(TKartenParameter& p);
  void AufInsFeld();
  void ProgrammVorbereiten();
  // True when the map was saved.
  bool SpeedButton5Click();
  // Saves the current map with the dialog's texts as Szenario/<name>.vdz. Without ueberschreiben
  // an existing file is kept and the first free numbered name is taken instead. Returns whether
  // the file was written; every failure is shown to the user.
  bool EingabeSzenarioSpeichern(const QString& name, bool ueberschreiben);
  // Closing: the user settings, then the current map under "Letztes" when it has cells. When
  // that save fails the user chooses what happens; without a user (Beenden) the map goes to a
  // fallback file. Returns whether the program may end; once it has, later calls do nothing.
  bool FormClose();
  // Ending without a user to ask (a signal, the end of the desktop session): the closing path,
  // then both windows hide. The caller ends the event loop.
  void Beenden();
  void LeseBenutzerIni();
  // False when the file was not written (it is then left as it was).
  bool SchreibeBenutzerIni();
  // At start: a recovery copy left by an editor that did not end cleanly is offered; brought
  // back, it is the current map (with unsaved changes), chosen and previewed.
  void WiederherstellungAnbieten();
  // One look of the recovery copy's timer (the window's title follows too).
  void SicherungPruefen();
  // The name in the editor window's title: the scenario's name, or the file's.
  QString Kartenname() const;

  // The width or height field as a number of cells: 30 when the text is not a whole decimal
  // number, 0 for a negative one.
  static int32_t Seitenlaenge(const QString& text);
  // Backspace and the digits pass, as do keys that type nothing; other characters do not.
  static bool ZifferntasteVerwerfen(const QKeyEvent& taste);

  TProgrammdaten& Daten;
  // The full paths of the files of the last listing; row i of ListView2 belongs to element i.
  std::vector<std::string> SzenarioDateien;
  // The overview picture in its own size, or shrunk to Image1 when larger, before it is shown.
  QImage Uebersicht;
  // The file opened from the command line (empty when none), and the preset name of the save
  // query while the map is built from it.
  std::string Geoeffnet;
  QString Vorschlag;

  // The modal file-name query and the message box; tests put their own in.
  std::function<bool(const QString& titel, const QString& frage, QString& text)> Eingabe;
  std::function<void(const QString& text)> Hinweis;
  // The question after a failed save at closing, and the file dialog of "save elsewhere" (the
  // chosen path, empty when cancelled); tests put their own in.
  std::function<TSchliesswahl(const QString& text)> SchliessenFrage;
  std::function<QString(const QString& titel)> Speicherort;
  // The question before a map with unsaved changes is replaced, and the offer of a recovery copy
  // at start; tests put their own in.
  std::function<TUngespeichertWahl()> UngespeichertFrage;
  std::function<TWiederherstellWahl()> WiederherstellungFrage;
  // The recovery copy and the timer that looks at the map once a second.
  TSicherung Sicherung;
  QTimer Sicherungstakt;
  // The two ways of building a map (KarteErzeugen, KarteAusSzenario); tests put failing ones in.
  std::function<bool(TKV& kv, const TKartenParameter& p)> Kartenerzeugung;
  std::function<bool(TKV& kv, const TSzenario& s)> Szenariokarte;
  // Where the map goes when it cannot be saved at an unattended end, after a numbered name in
  // the scenario folder: the user's home folder.
  std::string Ausweichordner;

  QGroupBox* GroupBox3;
  QPushButton* SpeedButton6;
  QPushButton* SpeedButton5;
  QTabWidget* TabControl1;
  QWidget* TabSheet2;
  QLabel *Label16, *Label1, *Label2, *Label4, *Label3;
  QLineEdit *Edit5, *Edit6, *Edit7, *Edit1;
  QPlainTextEdit* Memo2;
  QWidget* TabSheet4;
  QComboBox* ComboBox2;
  QLabel* Label5;
  QComboBox* ComboBox7;
  QLineEdit* Edit8;
  QLabel* Label7;
  QLineEdit* Edit9;
  QRadioButton* RadioButton1;
  QComboBox* ComboBox8;
  QRadioButton* RadioButton2;
  QComboBox* ComboBox1;
  QTreeWidget* ListView2;
  QPlainTextEdit* Memo1;
  QLabel* Image1;

protected:
  void closeEvent(QCloseEvent* ereignis) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
  void SteuerelementeAnlegen();
  // The controls of the random map, or the list, details and overview of the scenarios.
  void QuelleZeigen(bool zufall);
  // Text in the active language: German or English.
  QString Sprachwahl(const char* deutsch, const char* englisch) const;
  // A message box for the user, or a line on stderr when nobody is there to read it.
  void Melden(const QString& text);
  // Fills the scenario record from the map and the dialog's texts; false when memory runs out.
  bool SzenarioVorbereiten();
  // The dialog's texts as a scenario carries them.
  TSicherungstexte Szenariotexte() const;
  // Before the map with unsaved changes is replaced: the user saves it, lets it go, or goes
  // back (false).
  bool UngespeichertKlaeren();
  // Writes the prepared record to pfad; an older file there is replaced only by a whole new one.
  // On failure grund (when given) says why, in English ("cannot be written, it is read-only").
  bool SzenarioSchreiben(const std::string& pfad, std::string* grund = nullptr);
  // The closing save under "Letztes"; false when the user chose to go back to the dialog.
  bool LetztesSpeichern();
  // The unattended end's last resort: a free numbered name in the scenario folder, else in
  // Ausweichordner.
  void Ausweichen();
  // The row of pfad among pfade (the same file by another path counts too); -1 when absent.
  static int Zeilenindex(const std::vector<std::string>& pfade, const std::string& pfad);

  TGLForm* GLForm = nullptr;
  bool Unbeaufsichtigt = false; // ending by signal or session end: nobody to ask
  bool Geschlossen = false;     // the closing path has run to its end
  std::string VorschauPfad;     // the file of the last preview that could be read
  QString Dateiname;            // the file the map came from or was last saved as (no folder)
};
