// The set-up dialog: its start state, the width and height fields, the source switch with the
// scenario list, the preview, building a map, saving and closing.
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>
#include <csignal>
#include <memory>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>

#include "app/beenden.h"
#include "app/benutzer_ini.h"
#include "app/datenort.h"
#include "app/haupt_formular.h"
#include "app_test_hilfen.h"
#include "base/dateien.h"
#include "model/karte.h"
#include "model/tabellen.h"
#include "model/zustaende.h"
#include "scenario/karte_erzeugen.h"
#include "scenario/komprimierung.h"
#include "scenario/szenario_datei.h"
#include "scenario/szenario_umwandlung.h"

namespace {

// A dialog in its own program folder, with the file-name query and the message box replaced.
struct TDialog {
  TTestOrdner Ordner;
  TProgrammdaten Daten;
  std::unique_ptr<THauptFormular> Formular;
  QStringList Hinweise;
  QString Antwort = ""; // empty: keep the preset name
  bool Bestaetigen = true;
  int Abfragen = 0;
  // The answers to the question after a failed closing save, in turn, and the files the
  // file dialog of "save elsewhere" returns ("" for cancel).
  QList<TSchliesswahl> Wahlen;
  QStringList Orte;
  int Fragen = 0;

  TDialog() { Starten(); }
  void Starten() {
    Formular = std::make_unique<THauptFormular>(Daten, Ordner.Pfad());
    Formular->Hinweis = [this](const QString& text) { Hinweise << text; };
    Formular->Eingabe = [this](const QString&, const QString&, QString& text) {
      ++Abfragen;
      if (!Antwort.isEmpty()) text = Antwort;
      return Bestaetigen;
    };
    Formular->SchliessenFrage = [this](const QString&) {
      ++Fragen;
      return Wahlen.isEmpty() ? swZurueck : Wahlen.takeFirst();
    };
    Formular->Speicherort = [this](const QString&) {
      return Orte.isEmpty() ? QString() : Orte.takeFirst();
    };
    Formular->Ausweichordner = Ordner.Datei("Speicher");
  }
  // The temporary file's folder replaced by a file: every save into the scenario folder fails.
  // Saving into the scenario folder fails: it has become a file.
  void SzenarioordnerZerstoeren() {
    QDir(QString::fromStdString(Ordner.Datei("Szenario"))).removeRecursively();
    DateiSchreiben(Ordner.Datei("Szenario"), "");
  }
  THauptFormular& F() { return *Formular; }
  std::string Szenariodatei(const std::string& name) const {
    return Ordner.Datei("Szenario/" + name);
  }
  TSzenario Laden(const std::string& name) const {
    TKV kv;
    TSzenario s;
    SzenarioLaden(kv, s, Szenariodatei(name));
    return s;
  }
};

QRgb Farbe(const char* rrggbb) {
  return QColor(QString("#") + rrggbb).rgba();
}

QStringList Zeilen(const QPlainTextEdit* memo) {
  return memo->toPlainText().split('\n');
}

QStringList Listenzeilen(const QTreeWidget* liste) {
  QStringList z;
  for (int i = 0; i < liste->topLevelItemCount(); ++i)
    z << liste->topLevelItem(i)->text(0);
  return z;
}

bool UeberallGelaende(const TKarte& k, uint8_t g) {
  for (int32_t x = 0; x < k.Breite; ++x)
    for (int32_t y = 0; y < k.Hoehe; ++y)
      if (Gelaende(k, x, y) != g) return false;
  return true;
}

} // namespace

class DialogTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void startzustand();
  void steuerelemente();
  void qtTexteDeutsch();
  void breiteNurZiffern();
  void groesseWaehlen();
  void quelleUndListe();
  void leererOrdnerGibtLeereListe();
  void vorschauZeilenUndBild();
  void bildZeigtNurStartpunkte();
  void listeMitTastenBlaettern();
  void erzeugenZufallskarte();
  void erzeugenLandschaftOhneVorschau();
  void erzeugenBreiteUngueltig();
  void erzeugenAusSzenario();
  void erzeugenNachMisslungenerVorschau();
  void kurzeDateiUndFifoInDerListe();
  void mitgelieferteSzenarienImSchreibgeschuetztenOrdner();
  void misslungenerBauBehaeltKarte();
  void vorschauBehaeltKarte();
  void dreimalSpeichern();
  void speichernAbbrechen();
  void leererName();
  void gespeichertesErscheintInDerListe();
  void befehlszeileOeffnetSzenario();
  void windowsZeichenInDenDetails();
  void namenMitPfadWerdenAbgelehnt();
  void alleNamenVergeben();
  void speicherfehlerWirdGemeldet();
  void schliessenSpeichertLetztes();
  void misslungenesSpeichernLaesstAlteDatei();
  void schliessenFragtNachSpeicherfehler();
  void signalSchliesstWieDerDialog();
  void einstellungenUeberZweiLaeufe();
  void beschreibungHoechstens256();
};

void DialogTest::startzustand() {
  TDialog t;
  THauptFormular& f = t.F();
  // The data folders are made, the language is German.
  for (const char* ordner : {"Speicher", "Benutzer", "Grafik", "Szenario"})
    QVERIFY(QFileInfo(QString::fromStdString(t.Ordner.Datei(ordner))).isDir());
  QCOMPARE(t.Daten.Programm.Sprache, uint8_t{0});
  QCOMPARE(t.Daten.Programm.Pfad, t.Ordner.Pfad());
  // The map generator's own generator is usable before any preview.
  QVERIFY(t.Daten.KV.Zufall.Generator.Modul != 0);

  QCOMPARE(f.ComboBox2->currentIndex(), 0);
  QCOMPARE(f.ComboBox2->count(), 2);
  QCOMPARE(f.ComboBox2->itemText(1), QString("Szenario"));
  QCOMPARE(f.ComboBox7->count(), Kartengroessenanzahl);
  QCOMPARE(f.ComboBox7->currentIndex(), 2);
  QCOMPARE(f.ComboBox7->currentText(), QString::fromLatin1(Kartengroessen[2].Name[0]));
  QCOMPARE(f.Edit8->text(), QString("30"));
  QCOMPARE(f.Edit9->text(), QString("30"));
  QCOMPARE(f.ComboBox8->count(), Landschaftsanzahl);
  QCOMPARE(f.ComboBox8->currentIndex(), 1);
  QCOMPARE(f.ComboBox8->itemText(16), QString::fromLatin1(Landschaftstabelle[16].Name[0]));
  QCOMPARE(f.ComboBox1->count(), Gelaendeanzahl);
  QCOMPARE(f.ComboBox1->currentIndex(), 3);
  QCOMPARE(f.ComboBox1->itemText(0), QString::fromLatin1(Gelaendetabelle[0].Name[0]));
  QVERIFY(f.RadioButton2->isChecked());
  QVERIFY(!f.RadioButton1->isChecked());
  // Random-map controls show, the list, details and overview do not.
  for (QWidget* w : {static_cast<QWidget*>(f.ComboBox1), static_cast<QWidget*>(f.ComboBox7),
                     static_cast<QWidget*>(f.ComboBox8), static_cast<QWidget*>(f.RadioButton1),
                     static_cast<QWidget*>(f.RadioButton2), static_cast<QWidget*>(f.Edit8),
                     static_cast<QWidget*>(f.Edit9), static_cast<QWidget*>(f.Label7),
                     static_cast<QWidget*>(f.Label5)})
    QVERIFY(!w->isHidden());
  for (QWidget* w : {static_cast<QWidget*>(f.ListView2), static_cast<QWidget*>(f.Memo1),
                     static_cast<QWidget*>(f.Image1)})
    QVERIFY(w->isHidden());
  QVERIFY(f.Edit5->text().isEmpty() && f.Edit6->text().isEmpty());
  QCOMPARE(f.TabControl1->currentWidget(), f.TabSheet2);
}

void DialogTest::steuerelemente() {
  TDialog t;
  THauptFormular& f = t.F();
  QCOMPARE(f.windowTitle(), QString("Vandor Editor"));
  QCOMPARE(f.size(), QSize(662, 500));
  QCOMPARE(f.font().pixelSize(), 13);
  QCOMPARE(f.font().family(), QString("Georgia"));
  QCOMPARE(f.Memo1->font().pixelSize(), 11);
  QCOMPARE(f.GroupBox3->title(), QString("Vandor Neues Szenario erzeugen"));
  QCOMPARE(f.GroupBox3->geometry(), QRect(16, 16, 633, 465));
  QCOMPARE(f.SpeedButton6->text(), QString("Szenario erzeugen"));
  QCOMPARE(f.SpeedButton6->geometry(), QRect(424, 384, 177, 49));
  QCOMPARE(f.SpeedButton5->text(), QString("Szenario speichern"));
  QCOMPARE(f.SpeedButton5->geometry(), QRect(24, 384, 177, 49));
  QCOMPARE(f.TabControl1->geometry(), QRect(24, 32, 585, 337));
  QCOMPARE(f.TabControl1->tabText(0), QString("Einstellungen"));
  QCOMPARE(f.TabControl1->tabText(1), QString("Karte"));
  QCOMPARE(f.Edit1->geometry(), QRect(160, 144, 273, 24));
  QCOMPARE(f.Label4->pos(), QPoint(48, 146));
  QCOMPARE(f.Memo2->geometry(), QRect(160, 192, 273, 97));
  QCOMPARE(f.Label5->text(), QString::fromUtf8("Größe"));
  QCOMPARE(f.RadioButton2->text(), QString::fromUtf8("Gelände"));
  QCOMPARE(f.RadioButton1->geometry(), QRect(80, 152, 113, 17));
  QCOMPARE(f.Edit8->geometry(), QRect(376, 80, 57, 24));
  QCOMPARE(f.Edit9->geometry(), QRect(464, 80, 57, 24));
  QCOMPARE(f.ListView2->geometry(), QRect(20, 56, 229, 233));
  QCOMPARE(f.ListView2->headerItem()->text(0), QString("Szenario"));
  QCOMPARE(f.ListView2->columnWidth(0), 180);
  QCOMPARE(f.Memo1->geometry(), QRect(264, 176, 297, 113));
  QVERIFY(f.Memo1->isReadOnly());
  QCOMPARE(f.Image1->geometry(), QRect(408, 16, 145, 145));
  QCOMPARE(f.Edit8->maxLength(), 4);
  QCOMPARE(f.Edit9->maxLength(), 4);
  for (QLineEdit* e : {f.Edit5, f.Edit6, f.Edit7, f.Edit1})
    QCOMPARE(e->maxLength(), 256);
  for (QComboBox* c : {f.ComboBox1, f.ComboBox2, f.ComboBox7, f.ComboBox8})
    QVERIFY(!c->isEditable());
  // The flat buttons never take the focus: the space bar cannot build a map by accident.
  f.show();
  QVERIFY(QTest::qWaitForWindowActive(&f));
  QVERIFY(f.focusWidget() != f.SpeedButton6 && f.focusWidget() != f.SpeedButton5);
  QTest::keyClick(&f, Qt::Key_Space);
  QVERIFY(f.isVisible());
  QCOMPARE(f.SpeedButton6->focusPolicy(), Qt::NoFocus);
  f.hide();
}

void DialogTest::qtTexteDeutsch() {
  TDialog t;
  if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
    QSKIP("Qt's German translation is not installed");
  // The buttons of the name prompt and the edit fields' context menus speak German.
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
  QCOMPARE(QCoreApplication::translate("QLineEdit", "&Paste"), QString::fromUtf8("Einf&ügen"));
  auto abfrage =
      THauptFormular::Namensabfrage(nullptr, "Szenario speichern", "Dateinamen eingeben", "x");
  abfrage->show();
  QVERIFY(QTest::qWaitForWindowExposed(abfrage.get()));
  QStringList knoepfe;
  for (const QAbstractButton* k : abfrage->findChild<QDialogButtonBox*>()->buttons())
    knoepfe << k->text().remove('&');
  QVERIFY2(knoepfe.contains("Abbrechen"), qPrintable(knoepfe.join(", ")));
  // The title shows whole: the prompt is wider than its title in bold with the title bar's
  // buttons beside it.
  QFont fett = abfrage->font();
  fett.setBold(true);
  QVERIFY(abfrage->width() > QFontMetrics(fett).horizontalAdvance("Szenario speichern") + 100);
}

void DialogTest::breiteNurZiffern() {
  TDialog t;
  QLineEdit* breite = t.F().Edit8;
  breite->clear();
  QTest::keyClicks(breite, "1a-2 .3x4");
  QCOMPARE(breite->text(), QString("1234"));
  QTest::keyClick(breite, Qt::Key_Backspace);
  QCOMPARE(breite->text(), QString("123"));
  // Cursor keys and Delete type nothing and pass.
  QTest::keyClick(breite, Qt::Key_Home);
  QTest::keyClick(breite, Qt::Key_Delete);
  QCOMPARE(breite->text(), QString("23"));
  QTest::keyClicks(t.F().Edit9, "q");
  QCOMPARE(t.F().Edit9->text(), QString("30"));
  // The filter itself: backspace and digits pass, other characters do not, Tab moves on.
  QKeyEvent rueck(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QString(QChar(8)));
  QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::NoModifier, "-");
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
  // Delete as X11 delivers it, with the text DEL.
  QKeyEvent entf(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(127)));
  QVERIFY(!THauptFormular::ZifferntasteVerwerfen(entf));
  QVERIFY(!THauptFormular::ZifferntasteVerwerfen(rueck));
  QVERIFY(THauptFormular::ZifferntasteVerwerfen(minus));
  QVERIFY(!THauptFormular::ZifferntasteVerwerfen(tab));
  // Pasted text that is no number is refused; the clipboard keys work.
  breite->setText("23");
  QGuiApplication::clipboard()->setText(QString::fromUtf8("Grün"));
  QTest::keyClick(breite, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(breite->text(), QString("23"));
  QTest::keyClick(breite, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(breite, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(breite->text(), QString());
  QCOMPARE(QGuiApplication::clipboard()->text(), QString("23"));
  QTest::keyClick(t.F().Edit9, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(t.F().Edit9, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(t.F().Edit9->text(), QString("23"));
}

void DialogTest::groesseWaehlen() {
  TDialog t;
  THauptFormular& f = t.F();
  f.Edit8->setText("7");
  f.Edit9->setText("9");
  QTest::keyClick(f.Edit8, Qt::Key_1);
  QCOMPARE(f.ComboBox7->currentIndex(), 2); // typing leaves the size list alone
  QTest::keyClick(f.ComboBox7, Qt::Key_Up); // the user picks the size before
  QCOMPARE(f.ComboBox7->currentIndex(), 1);
  QCOMPARE(f.Edit8->text(), QString::number(Kartengroessen[1].Breite));
  QCOMPARE(f.Edit9->text(), QString::number(Kartengroessen[1].Hoehe));
  f.ComboBox7->setCurrentIndex(6);
  f.ComboBox7Change();
  QCOMPARE(f.Edit8->text(), QString("70"));
  QCOMPARE(f.Edit9->text(), QString("70"));
  QCOMPARE(THauptFormular::Seitenlaenge(""), 30);
  QCOMPARE(THauptFormular::Seitenlaenge("x1"), 30);
  QCOMPARE(THauptFormular::Seitenlaenge("0"), 0);
  QCOMPARE(THauptFormular::Seitenlaenge("9999"), 9999);
  QCOMPARE(THauptFormular::Seitenlaenge("-5"), 0);
}

void DialogTest::quelleUndListe() {
  TDialog t;
  QVERIFY(TestszenarioSchreiben(t.Ordner, "b.vdz", Testszenario(30, 30, {{3, 4}}, "Beta")));
  QVERIFY(TestszenarioSchreiben(t.Ordner, "a.vdz", Testszenario(20, 10, {}, "Alpha")));
  QVERIFY(TestszenarioSchreiben(t.Ordner, "x.vdz.bak", Testszenario(5, 5, {}, "Sicherung")));
  DateiSchreiben(t.Szenariodatei("liesmich.txt"), "kein Szenario");
  THauptFormular& f = t.F();
  f.ComboBox2->setCurrentIndex(1);
  f.ComboBox2Change();
  for (QWidget* w : {static_cast<QWidget*>(f.ListView2), static_cast<QWidget*>(f.Memo1),
                     static_cast<QWidget*>(f.Image1), static_cast<QWidget*>(f.Label5)})
    QVERIFY(!w->isHidden());
  for (QWidget* w : {static_cast<QWidget*>(f.ComboBox1), static_cast<QWidget*>(f.ComboBox7),
                     static_cast<QWidget*>(f.Edit8), static_cast<QWidget*>(f.RadioButton1),
                     static_cast<QWidget*>(f.Label7)})
    QVERIFY(w->isHidden());
  QCOMPARE(Listenzeilen(f.ListView2), (QStringList{"a", "b", "x.vdz"}));
  QCOMPARE(f.SzenarioDateien.size(), std::size_t{3});
  QCOMPARE(f.SzenarioDateien[1], t.Szenariodatei("b.vdz"));
  // The first row is chosen and previewed.
  QCOMPARE(f.ListView2->currentItem(), f.ListView2->topLevelItem(0));
  QCOMPARE(Zeilen(f.Memo1).first(), QString("Szenario: Alpha"));
  // Back to the random map: its controls show again.
  f.ComboBox2->setCurrentIndex(0);
  f.ComboBox2Change();
  QVERIFY(f.ListView2->isHidden());
  QVERIFY(!f.Edit8->isHidden());
}

void DialogTest::leererOrdnerGibtLeereListe() {
  TDialog t;
  THauptFormular& f = t.F();
  f.ComboBox2->setCurrentIndex(1);
  f.ComboBox2Change();
  QCOMPARE(f.ListView2->topLevelItemCount(), 0);
  QVERIFY(f.SzenarioDateien.empty());
  QVERIFY(f.Memo1->toPlainText().isEmpty());
  f.ListView2Click(); // no row: nothing happens
  QVERIFY(t.Hinweise.isEmpty());
}

void DialogTest::vorschauZeilenUndBild() {
  TDialog t;
  QVERIFY(TestszenarioSchreiben(t.Ordner, "a.vdz",
                                Testszenario(30, 30, {{0, 0}, {10, 20}}, "Inseln", "3.4.2025")));
  QVERIFY(TestszenarioSchreiben(t.Ordner, "b.vdz", Testszenario(70, 70, {{35, 35}}, "Gross", "")));
  THauptFormular& f = t.F();
  f.ComboBox2->setCurrentIndex(1);
  f.ComboBox2Change();
  QCOMPARE(
      Zeilen(f.Memo1),
      (QStringList{"Szenario: Inseln", "Autor: Anna (anna@example.org, example.org)",
                   "Erstellt: 3.4.2025", "Daten: 2 Spieler, 30x30", "Beschreibung: Zwei Inseln"}));
  QVERIFY(f.Daten.Szenario.Geladen & sgGeladen);
  // 30 x 30: a margin of one pixel, one pixel per cell, 2 x 2 player squares without frame.
  QCOMPARE(f.Uebersicht.size(), QSize(32, 32));
  QCOMPARE(f.Uebersicht.pixel(31, 0), qRgb(0, 0, 0));
  QCOMPARE(f.Uebersicht.pixel(0, 0), Farbe(Spielerfarben[0])); // the square of (0, 0)
  QCOMPARE(f.Uebersicht.pixel(1 + 5, 1 + 7), Farbe(Gelaendetabelle[5].Farbe));
  QCOMPARE(f.Uebersicht.pixel(1 + 10, 1 + 20), Farbe(Spielerfarben[1]));
  QCOMPARE(f.Uebersicht.pixel(1 + 9, 1 + 19), Farbe(Spielerfarben[1]));
  QCOMPARE(f.Uebersicht.pixel(1 + 11, 1 + 21), Farbe(Gelaendetabelle[11].Farbe));
  QVERIFY(!f.Image1->pixmap().isNull());
  QCOMPARE(f.Image1->pixmap().size(), QSize(145, 145));

  // Without a date there is no "Erstellt" line; 70 x 70 gives 4 x 4 squares in white frames.
  f.SzenarioAnzeigen(1);
  QCOMPARE(Zeilen(f.Memo1).size(), 4);
  QCOMPARE(Zeilen(f.Memo1)[2], QString("Daten: 1 Spieler, 70x70"));
  QCOMPARE(f.Uebersicht.size(), QSize(72, 72));
  QCOMPARE(f.Uebersicht.pixel(1 + 35, 1 + 35), Farbe(Spielerfarben[0]));
  QCOMPARE(f.Uebersicht.pixel(1 + 33, 1 + 33), Farbe(Spielerfarben[0]));
  QCOMPARE(f.Uebersicht.pixel(1 + 32, 1 + 32), qRgb(255, 255, 255));
}

void DialogTest::bildZeigtNurStartpunkte() {
  TDialog t;
  QVERIFY(TestszenarioSchreiben(t.Ordner, "a.vdz", Testszenario(30, 30, {{10, 10}}, "A", "", 3)));
  THauptFormular& f = t.F();
  f.ComboBox2->setCurrentIndex(1);
  f.ComboBox2Change();
  f.TabControl1->setCurrentWidget(f.TabSheet4);
  f.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f));
  QCOMPARE(f.Uebersicht.pixel(1 + 2, 1 + 2), Farbe(Gelaendetabelle[5].Farbe));
  QTest::mouseClick(f.Image1, Qt::LeftButton);
  QCOMPARE(f.Uebersicht.pixel(1 + 2, 1 + 2), qRgb(0, 0, 0));
  QCOMPARE(f.Uebersicht.pixel(1 + 10, 1 + 10), Farbe(Spielerfarben[0]));
  // Choosing the row again brings the terrain back.
  const QRect zeile = f.ListView2->visualItemRect(f.ListView2->topLevelItem(0));
  QTest::mouseClick(f.ListView2->viewport(), Qt::LeftButton, {}, zeile.center());
  QCOMPARE(f.Uebersicht.pixel(1 + 2, 1 + 2), Farbe(Gelaendetabelle[5].Farbe));
  f.hide();
}

void DialogTest::listeMitTastenBlaettern() {
  TDialog t;
  QVERIFY(TestszenarioSchreiben(t.Ordner, "a.vdz", Testszenario(10, 10, {}, "Eins")));
  QVERIFY(TestszenarioSchreiben(t.Ordner, "b.vdz", Testszenario(12, 12, {}, "Zwei")));
  QVERIFY(TestszenarioSchreiben(t.Ordner, "c.vdz", Testszenario(14, 14, {}, "Drei")));
  THauptFormular& f = t.F();
  f.ComboBox2->setCurrentIndex(1);
  f.ComboBox2Change();
  f.TabControl1->setCurrentWidget(f.TabSheet4);
  f.show();
  QVERIFY(QTest::qWaitForWindowExposed(&f));
  f.ListView2->setFocus();
  QTest::keyClick(f.ListView2, Qt::Key_Down);
  QCOMPARE(Zeilen(f.Memo1).first(), QString("Szenario: Zwei"));
  // Every key that moves the selection previews the row it chose.
  QTest::keyClick(f.ListView2, Qt::Key_End);
  QCOMPARE(Zeilen(f.Memo1).first(), QString("Szenario: Drei"));
  QTest::keyClick(f.ListView2, Qt::Key_Home);
  QCOMPARE(Zeilen(f.Memo1).first(), QString("Szenario: Eins"));
  QTest::keyClick(f.ListView2, Qt::Key_PageDown);
  QCOMPARE(Zeilen(f.Memo1).first(), QString("Szenario: Drei"));
  QTest::keyClick(f.ListView2, Qt::Key_B); // the first letter of a row's name
  QCOMPARE(Zeilen(f.Memo1).first(), QString("Szenario: Zwei"));
  f.hide();
}

void DialogTest::erzeugenZufallskarte() {
  TDialog t;
  t.F().show();
  t.F().SpeedButton6->click();
  const TKarte& k = t.Daten.KV.Karte;
  QCOMPARE(k.Breite, 30);
  QCOMPARE(k.Hoehe, 30);
  QVERIFY(UeberallGelaende(k, 3));
  QVERIFY(t.F().isHidden());
  // The editor state is prepared for the map.
  QCOMPARE(t.Daten.Programm.ProgrammSpiel.Zoomstufe, 2);
  QCOMPARE(t.Daten.Programm.ProgrammSpiel.Programmfelder.Breite, 30);
  QVERIFY(t.Hinweise.isEmpty());
}

void DialogTest::erzeugenLandschaftOhneVorschau() {
  TDialog t; // empty scenario folder: no preview ever seeded anything
  THauptFormular& f = t.F();
  f.RadioButton1->setChecked(true);
  f.ComboBox8->setCurrentIndex(1);
  f.Edit8->setText("40");
  f.Edit9->setText("25");
  f.SpeedButton6Click();
  const TKarte& k = t.Daten.KV.Karte;
  QCOMPARE(k.Breite, 40);
  QCOMPARE(k.Hoehe, 25);
  // Every cell is drawn from the landscape's mix, and the draw really varies.
  std::set<int> gesehen;
  for (int32_t x = 0; x < 40; ++x)
    for (int32_t y = 0; y < 25; ++y) {
      const uint8_t g = Gelaende(k, x, y);
      QVERIFY(Landschaftstabelle[1].Gewichte[g] > 0);
      gesehen.insert(g);
    }
  int moeglich = 0;
  for (int32_t w : Landschaftstabelle[1].Gewichte)
    moeglich += w > 0;
  QVERIFY(gesehen.size() >= std::min<std::size_t>(2, static_cast<std::size_t>(moeglich)));
}

void DialogTest::erzeugenBreiteUngueltig() {
  TDialog t;
  THauptFormular& f = t.F();
  f.Edit8->clear();
  f.Edit9->setText("0");
  f.ComboBox1->setCurrentIndex(7);
  f.SpeedButton6Click();
  QCOMPARE(t.Daten.KV.Karte.Hoehe, 0);
  f.Edit9->setText("2");
  f.SpeedButton6Click();
  QCOMPARE(t.Daten.KV.Karte.Breite, 30); // an emptied field counts as 30
  QCOMPARE(t.Daten.KV.Karte.Hoehe, 2);
  QVERIFY(t.F().isHidden()); // the editor opens with the empty map
}

void DialogTest::erzeugenAusSzenario() {
  TDialog t;
  QVERIFY(TestszenarioSchreiben(t.Ordner, "a.vdz",
                                Testszenario(40, 20, {{1, 2}, {30, 10}}, "Quelle", "", 2)));
  THauptFormular& f = t.F();
  f.ComboBox2->setCurrentIndex(1);
  f.ComboBox2Change();
  f.SpeedButton6Click();
  const TKarte& k = t.Daten.KV.Karte;
  QCOMPARE(k.Breite, 40);
  QCOMPARE(k.Hoehe, 20);
  QCOMPARE(Gelaende(k, 7, 3), uint8_t{9});
  QVERIFY(ZustandAktiv(t.Daten.KV.Karte, TPunkt{30, 10}, zaStartpunkt, true));
  QCOMPARE(t.Daten.Programm.ProgrammSpiel.Speicher.Startpositionen.size(), std::size_t{2});
}

void DialogTest::erzeugenNachMisslungenerVorschau() {
  TDialog t;
  QVERIFY(TestszenarioSchreiben(t.Ordner, "gut.vdz", Testszenario(10, 10, {{1, 1}}, "Gut")));
  DateiSchreiben(t.Szenariodatei("kaputt.vdz"), "das ist kein zlib-Strom");
  THauptFormular& f = t.F();
  f.ComboBox2->setCurrentIndex(1);
  f.ComboBox2Change();
  QCOMPARE(Listenzeilen(f.ListView2), (QStringList{"gut", "kaputt"}));
  QVERIFY(!f.Image1->pixmap().isNull());
  // The unreadable file says so, with an empty picture, not with the details of the last one.
  f.ListView2->setCurrentItem(f.ListView2->topLevelItem(1));
  QVERIFY(!(t.Daten.Szenario.Geladen & sgGeladen));
  QCOMPARE(Zeilen(f.Memo1), (QStringList{"Datei kann nicht gelesen werden",
                                         "not a scenario file (not a zlib stream, or damaged)"}));
  QVERIFY(f.Image1->pixmap().isNull());
  // Building tells the user instead of making a random map of the hidden fields.
  f.SpeedButton6Click();
  QCOMPARE(t.Hinweise.size(), 1);
  QCOMPARE(t.Daten.KV.Karte.Breite, 0);
}

void DialogTest::kurzeDateiUndFifoInDerListe() {
  TDialog t;
  QVERIFY(TestszenarioSchreiben(t.Ordner, "a.vdz", Testszenario(10, 8, {{1, 1}, {2, 2}}, "A")));
  // A whole zlib stream whose image stops within its texts, before the sizes.
  const std::vector<uint8_t> bild = SzenarioBild(Testszenario(4, 4, {}, "Kurz"));
  QVERIFY(GepacktSchreiben(t.Szenariodatei("b.vdz"), [&](const TSchreiber& schreiben) {
    return schreiben(bild.data(), 300);
  }));
  // A FIFO without a writer: opening it to read would wait forever.
  QCOMPARE(::mkfifo(t.Szenariodatei("c.vdz").c_str(), 0644), 0);
  THauptFormular& f = t.F();
  f.ComboBox2->setCurrentIndex(1);
  f.ComboBox2Change();
  QCOMPARE(Zeilen(f.Memo1)[3], QString("Daten: 2 Spieler, 10x8"));
  // Not the sizes and markers of the scenario before it: refused as damaged, with the reason.
  f.ListView2->setCurrentItem(f.ListView2->topLevelItem(1));
  QCOMPARE(Zeilen(f.Memo1),
           (QStringList{"Datei kann nicht gelesen werden",
                        "damaged: it ends after 300 bytes, before its map (1861 bytes come before "
                        "the cells)"}));
  QCOMPARE(t.Daten.Szenario.Kartenwerte[0], 0);
  QCOMPARE(t.Daten.Szenario.Kartenwerte[2], 0);
  QVERIFY(f.Image1->pixmap().isNull());
  f.SpeedButton6Click();
  QCOMPARE(t.Daten.KV.Karte.Breite, 0);
  f.ListView2->setCurrentItem(f.ListView2->topLevelItem(2));
  QCOMPARE(Zeilen(f.Memo1),
           (QStringList{"Datei kann nicht gelesen werden", "is a FIFO, not a scenario file"}));
  // The same FIFO named on the command line.
  f.SzenarioOeffnen(t.Szenariodatei("c.vdz"));
  QVERIFY(!(t.Daten.Szenario.Geladen & sgGeladen));
}

void DialogTest::mitgelieferteSzenarienImSchreibgeschuetztenOrdner() {
  // A copy whose folder the user cannot write: its data go elsewhere, its scenarios stay listed.
  TTestOrdner programm, daten;
  QVERIFY(TestszenarioSchreiben(programm, "mit.vdz", Testszenario(6, 6, {}, "Mitgeliefert")));
  QVERIFY(TestszenarioSchreiben(daten, "eigen.vdz", Testszenario(5, 5, {}, "Eigen")));
  TDatenordner ordner{daten.Pfad(), programm.Datei("Grafik"), programm.Datei("Szenario"), true,
                      true};
  TProgrammdaten d;
  THauptFormular f(d, ordner);
  QCOMPARE(d.Programm.Pfad, daten.Pfad());
  QCOMPARE(d.Programm.Grafikvorrat, programm.Datei("Grafik"));
  f.ComboBox2->setCurrentIndex(1);
  f.ComboBox2Change();
  QCOMPARE(Listenzeilen(f.ListView2), (QStringList{"eigen", "mit"}));
  f.ListView2->setCurrentItem(f.ListView2->topLevelItem(1));
  QCOMPARE(Zeilen(f.Memo1).first(), QString("Szenario: Mitgeliefert"));
  // New files go to the data folder; the user is told once where.
  f.SpeedButton6Click();
  QVERIFY(f.EingabeSzenarioSpeichern("neu", false));
  QVERIFY(DateiVorhanden(daten.Datei("Szenario/neu.vdz")));
  QVERIFY(!DateiVorhanden(programm.Datei("Szenario/neu.vdz")));
  const QString hinweis = DatenortHinweis(ordner, programm.Pfad(), 0);
  QVERIFY(hinweis.contains(QString::fromStdString(daten.Pfad())));
  QVERIFY(hinweis.contains(QString::fromStdString(programm.Pfad())));
  ordner.Neu = false;
  QVERIFY(DatenortHinweis(ordner, programm.Pfad(), 0).isEmpty());
  QVERIFY(DatenortHinweis({daten.Pfad(), {}, {}}, programm.Pfad(), 1).isEmpty());
}

void DialogTest::misslungenerBauBehaeltKarte() {
  TDialog t;
  THauptFormular& f = t.F();
  f.SpeedButton6Click();
  f.show();
  // Builds that run out of memory half-way leave their record's map empty, as the real ones do.
  f.Kartenerzeugung = [](TKV& kv, const TKartenParameter& p) {
    KarteErzeugen(kv, p);
    KarteLeeren(kv.Karte);
    return false;
  };
  f.Szenariokarte = [](TKV& kv, const TSzenario& s) {
    KarteAusSzenario(kv, s);
    KarteLeeren(kv.Karte);
    return false;
  };
  f.Edit8->setText("12");
  f.SpeedButton6Click();
  t.Daten.Szenario = Testszenario(5, 5, {}, "Quelle");
  t.Daten.Szenario.Geladen |= sgGeladen;
  f.ComboBox2->setCurrentIndex(1);
  f.SpeedButton6Click();
  QCOMPARE(t.Hinweise.size(), 2);
  QVERIFY(f.isVisible());
  QCOMPARE(t.Daten.KV.Karte.Breite, 30);
  QVERIFY(UeberallGelaende(t.Daten.KV.Karte, 3));
  // Closing still saves that map.
  f.close();
  QCOMPARE(t.Laden("Letztes.vdz").Kartenwerte[0], 30);
}

void DialogTest::vorschauBehaeltKarte() {
  TDialog t;
  QVERIFY(TestszenarioSchreiben(t.Ordner, "a.vdz", Testszenario(12, 8, {{1, 1}}, "Andere")));
  THauptFormular& f = t.F();
  f.ComboBox1->setCurrentIndex(5);
  f.SpeedButton6Click();
  f.show();
  // Preview another scenario, then save and close: the map built above is what gets written.
  f.ComboBox2->setCurrentIndex(1);
  f.ComboBox2Change();
  QCOMPARE(Zeilen(f.Memo1).first(), QString("Szenario: Andere"));
  QCOMPARE(t.Daten.KV.Karte.Breite, 30);
  QVERIFY(UeberallGelaende(t.Daten.KV.Karte, 5));
  f.Edit5->setText("Meine Karte");
  QVERIFY(f.EingabeSzenarioSpeichern("Meins", false));
  TSzenario s = t.Laden("Meins.vdz");
  QCOMPARE(s.Kartenwerte[0], 30);
  QCOMPARE(s.Kartenwerte[1], 30);
  QCOMPARE(s.Zellen.Gelaende[0], uint8_t{5});
  QCOMPARE(s.Texte[stName], std::string("Meine Karte"));
  f.close();
  QCOMPARE(t.Laden("Letztes.vdz").Kartenwerte[0], 30);
}

void DialogTest::dreimalSpeichern() {
  TDialog t;
  THauptFormular& f = t.F();
  f.SpeedButton6Click();
  f.Edit5->setText("Name");
  f.Edit6->setText(QString::fromUtf8("Jürgen"));
  f.Edit7->setText("j@example.org");
  f.Edit1->setText("example.org/j");
  f.Memo2->setPlainText("Zeile eins\nZeile zwei");
  for (int i = 0; i < 3; ++i)
    f.SpeedButton5->click();
  QCOMPARE(t.Abfragen, 3);
  QVERIFY(t.Hinweise.isEmpty());
  for (const char* name : {"Szenario.vdz", "Szenario1.vdz", "Szenario2.vdz"})
    QVERIFY2(DateiVorhanden(t.Szenariodatei(name)), name);
  QVERIFY(!DateiVorhanden(t.Szenariodatei("Szenario3.vdz")));
  TSzenario s = t.Laden("Szenario2.vdz");
  QVERIFY(s.Geladen & sgGeladen);
  QCOMPARE(s.Texte[stName], std::string("Name"));
  QCOMPARE(s.Texte[stAutor], std::string("J\xFCrgen"));
  QCOMPARE(s.Texte[stEpost], std::string("j@example.org"));
  QCOMPARE(s.Texte[stHomepage], std::string("example.org/j"));
  QCOMPARE(s.Texte[stBeschreibung], std::string("Zeile eins\r\nZeile zwei"));
  QVERIFY(!s.Texte[stDatum].empty());
  QCOMPARE(s.Kartenwerte[0], 30);
  // The numbering restarts at 1: a gap is filled first.
  QFile::remove(QString::fromStdString(t.Szenariodatei("Szenario1.vdz")));
  f.SpeedButton5Click();
  QVERIFY(DateiVorhanden(t.Szenariodatei("Szenario1.vdz")));
  QVERIFY(!DateiVorhanden(t.Szenariodatei("Szenario3.vdz")));
  // A save clears the loaded bit: the scenario record is the saved map now.
  QVERIFY(!(t.Daten.Szenario.Geladen & sgGeladen));
}

void DialogTest::speichernAbbrechen() {
  TDialog t;
  t.F().SpeedButton6Click();
  t.Bestaetigen = false;
  t.F().SpeedButton5Click();
  QCOMPARE(t.Abfragen, 1);
  QVERIFY(!DateiVorhanden(t.Szenariodatei("Szenario.vdz")));
  QVERIFY(t.Hinweise.isEmpty());
}

void DialogTest::leererName() {
  TDialog t;
  // An empty or blank name would save a hidden ".vdz": it is refused with a message.
  QVERIFY(!t.F().EingabeSzenarioSpeichern("", false));
  QVERIFY(!t.F().EingabeSzenarioSpeichern(" \t ", false));
  QCOMPARE(t.Hinweise.size(), 2);
  QVERIFY(!DateiVorhanden(t.Szenariodatei(".vdz")));
  QVERIFY(!DateiVorhanden(t.Szenariodatei(" \t .vdz")));
  // Saving after nothing was built writes an empty map with the dialog's texts.
  QVERIFY(t.F().EingabeSzenarioSpeichern("Leer", false));
  QCOMPARE(t.Laden("Leer.vdz").Kartenwerte[0], 0);
}

void DialogTest::gespeichertesErscheintInDerListe() {
  TDialog t;
  QVERIFY(TestszenarioSchreiben(t.Ordner, "b.vdz", Testszenario(10, 10, {}, "Beta")));
  THauptFormular& f = t.F();
  f.ComboBox2->setCurrentIndex(1);
  f.ComboBox2Change();
  f.Edit5->setText("Neu");
  QVERIFY(f.EingabeSzenarioSpeichern("a", false));
  // The new file shows at once, and the chosen row with its details stays.
  QCOMPARE(Listenzeilen(f.ListView2), (QStringList{"a", "b"}));
  QCOMPARE(f.ListView2->currentItem(), f.ListView2->topLevelItem(1));
  QCOMPARE(Zeilen(f.Memo1).first(), QString("Szenario: Beta"));
}

void DialogTest::befehlszeileOeffnetSzenario() {
  TDialog t;
  QVERIFY(TestszenarioSchreiben(t.Ordner, "a.vdz", Testszenario(10, 10, {}, "Drinnen")));
  const std::string draussen = t.Ordner.Datei("Speicher/Fremd.vdz");
  QVERIFY(SzenarioSpeichern(Testszenario(12, 8, {{1, 1}}, "Draussen"), draussen));
  // As a file manager passes it: a file URL; options are not files.
  const QString url = QUrl::fromLocalFile(QString::fromStdString(draussen)).toString();
  QCOMPARE(THauptFormular::Befehlszeilendatei({"vandor-editor", "-x", url}), draussen);
  QCOMPARE(THauptFormular::Befehlszeilendatei({"vandor-editor"}), std::string());
  THauptFormular& f = t.F();
  f.SzenarioOeffnen(draussen);
  // Chosen and previewed as source "Szenario", read from where it lies.
  QCOMPARE(f.ComboBox2->currentIndex(), 1);
  QVERIFY(!f.ListView2->isHidden() && f.Edit8->isHidden());
  QCOMPARE(Listenzeilen(f.ListView2), (QStringList{"a", "Fremd"}));
  QCOMPARE(f.ListView2->currentItem(), f.ListView2->topLevelItem(1));
  QCOMPARE(Zeilen(f.Memo1).first(), QString("Szenario: Draussen"));
  f.SpeedButton6Click();
  QCOMPARE(t.Daten.KV.Karte.Breite, 12);
  // Saved under its own name into the scenario folder; the file outside stays as it was.
  const std::string vorher = DateiInhalt(draussen);
  f.SpeedButton5Click();
  QCOMPARE(t.Laden("Fremd.vdz").Kartenwerte[0], 12);
  QCOMPARE(DateiInhalt(draussen), vorher);
}

void DialogTest::windowsZeichenInDenDetails() {
  TDialog t;
  // The euro sign and the typographic quotes are characters of the code page (0x80, 0x84, 0x93).
  TSzenario s = Testszenario(5, 5, {}, "5 \x80 \x84gut\x93");
  QVERIFY(TestszenarioSchreiben(t.Ordner, "a.vdz", s));
  THauptFormular& f = t.F();
  f.ComboBox2->setCurrentIndex(1);
  f.ComboBox2Change();
  QCOMPARE(Zeilen(f.Memo1).first(), QString::fromUtf8("Szenario: 5 € „gut“"));
  // Typed into the dialog, they are stored with the same codes; what the code page lacks is "?".
  f.Edit6->setText(QString::fromUtf8("€ Ω"));
  QVERIFY(f.EingabeSzenarioSpeichern("b", false));
  QCOMPARE(t.Laden("b.vdz").Texte[stAutor], std::string("\x80 ?"));
}

void DialogTest::namenMitPfadWerdenAbgelehnt() {
  TDialog t;
  t.F().SpeedButton6Click();
  for (const char* name : {"../weg", "unter/ordner", "a\\b", "/tmp/x"}) {
    t.Hinweise.clear();
    QVERIFY(!t.F().EingabeSzenarioSpeichern(name, false));
    QCOMPARE(t.Hinweise.size(), 1);
  }
  QVERIFY(!DateiVorhanden(t.Ordner.Datei("weg.vdz")));
  QVERIFY(!DateiVorhanden(t.Szenariodatei("unter")));
  std::vector<std::string> dateien;
  QCOMPARE(DateienSuchen(t.Ordner.Datei("Szenario"), "", false, false, dateien), 0);
}

void DialogTest::alleNamenVergeben() {
  TDialog t;
  t.F().SpeedButton6Click();
  DateiSchreiben(t.Szenariodatei("Voll.vdz"), "x");
  for (int i = 1; i <= 9999; ++i)
    DateiSchreiben(t.Szenariodatei("Voll" + std::to_string(i) + ".vdz"), "");
  QVERIFY(!t.F().EingabeSzenarioSpeichern("Voll", false));
  QCOMPARE(t.Hinweise.size(), 1);
  QVERIFY(!DateiVorhanden("notfound"));
  QVERIFY(!DateiVorhanden(t.Szenariodatei("notfound")));
  QCOMPARE(DateiInhalt(t.Szenariodatei("Voll.vdz")), std::string("x"));
}

void DialogTest::speicherfehlerWirdGemeldet() {
  TDialog t;
  t.F().SpeedButton6Click();
  // A name longer than any file system takes.
  QVERIFY(!t.F().EingabeSzenarioSpeichern(QString(300, 'n'), false));
  QCOMPARE(t.Hinweise.size(), 1);
  // The scenario folder replaced by a file.
  QDir(QString::fromStdString(t.Ordner.Pfad())).rmdir("Szenario");
  DateiSchreiben(t.Ordner.Datei("Szenario"), "");
  QVERIFY(!t.F().EingabeSzenarioSpeichern("Szenario", false));
  QCOMPARE(t.Hinweise.size(), 2);
}

void DialogTest::schliessenSpeichertLetztes() {
  TDialog t;
  QVERIFY(TestszenarioSchreiben(t.Ordner, "Letztes.vdz", Testszenario(5, 5, {}, "Alt")));
  t.F().ComboBox1->setCurrentIndex(2);
  t.F().SpeedButton6Click();
  t.F().show();
  t.F().close();
  TSzenario s = t.Laden("Letztes.vdz");
  QCOMPARE(s.Kartenwerte[0], 30); // replaced, not numbered
  QCOMPARE(s.Zellen.Gelaende[17], uint8_t{2});
  QVERIFY(!DateiVorhanden(t.Szenariodatei("Letztes1.vdz")));
  QVERIFY(!DateiVorhanden(t.Ordner.Datei("Benutzer/temp")));
  QVERIFY(t.Hinweise.isEmpty());

  // Without a map nothing is saved at closing.
  TDialog leer;
  leer.F().show();
  leer.F().close();
  QVERIFY(!DateiVorhanden(leer.Szenariodatei("Letztes.vdz")));
  QVERIFY(DateiVorhanden(leer.Ordner.Datei("Benutzer/Benutzer.ini")));
}

void DialogTest::misslungenesSpeichernLaesstAlteDatei() {
  TDialog t;
  QVERIFY(TestszenarioSchreiben(t.Ordner, "Letztes.vdz", Testszenario(5, 5, {}, "Alt")));
  const std::string vorher = DateiInhalt(t.Szenariodatei("Letztes.vdz"));
  t.F().SpeedButton6Click();
  // The disk takes no more bytes (a file size limit of one byte): the save fails before the old
  // file is touched.
  rlimit frei{};
  ::getrlimit(RLIMIT_FSIZE, &frei);
  rlimit eng = frei;
  eng.rlim_cur = 1;
  const auto signalVorher = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &eng);
  t.Wahlen = {swOhneSpeichern};
  t.F().show();
  const bool zu = t.F().close();
  ::setrlimit(RLIMIT_FSIZE, &frei);
  std::signal(SIGXFSZ, signalVorher);
  QVERIFY(zu);
  QCOMPARE(t.Fragen, 1);
  QCOMPARE(t.Hinweise.size(), 1); // the user settings could not be written either
  QCOMPARE(DateiInhalt(t.Szenariodatei("Letztes.vdz")), vorher);
}

void DialogTest::schliessenFragtNachSpeicherfehler() {
  TDialog t;
  THauptFormular& f = t.F();
  f.ComboBox1->setCurrentIndex(6);
  f.SpeedButton6Click();
  t.SzenarioordnerZerstoeren();
  f.show();
  // Trying again fails again; going back keeps the dialog open with the map.
  t.Wahlen = {swNochmals, swZurueck};
  QVERIFY(!f.close());
  QCOMPARE(t.Fragen, 2);
  QVERIFY(f.isVisible());
  QVERIFY(UeberallGelaende(t.Daten.KV.Karte, 6));
  // Elsewhere: a cancelled file dialog asks again; the chosen file gets the map.
  const std::string anderswo = t.Ordner.Datei("Speicher/gerettet.vdz");
  t.Wahlen = {swAnderswo, swAnderswo};
  t.Orte = {"", QString::fromStdString(anderswo)};
  QVERIFY(f.close());
  QCOMPARE(t.Fragen, 4);
  TKV kv;
  TSzenario s;
  QVERIFY(SzenarioLaden(kv, s, anderswo));
  QCOMPARE(s.Kartenwerte[0], 30);
  QCOMPARE(s.Zellen.Gelaende[0], uint8_t{6});
  QVERIFY(!DateiVorhanden(anderswo + ".temp"));
}

void DialogTest::signalSchliesstWieDerDialog() {
  TDialog t;
  int enden = 0;
  QVERIFY(SignaleUmleiten([&] {
    t.F().Beenden();
    ++enden;
  }));
  t.F().Edit6->setText("Signal");
  t.F().SpeedButton6Click();
  std::raise(SIGTERM);
  QTRY_COMPARE(enden, 1);
  QVERIFY(t.F().isHidden());
  QCOMPARE(t.Laden("Letztes.vdz").Kartenwerte[0], 30);
  QCOMPARE(BenutzerDatenLesen(t.Ordner.Datei("Benutzer/Benutzer.ini")).Autor,
           std::string("Signal"));
  // Once: neither a second signal nor closing the dialog writes again.
  QFile::remove(QString::fromStdString(t.Szenariodatei("Letztes.vdz")));
  std::raise(SIGHUP);
  QTRY_COMPARE(enden, 2);
  t.F().close();
  QVERIFY(!DateiVorhanden(t.Szenariodatei("Letztes.vdz")));
  QCOMPARE(t.Fragen, 0);

  // Nobody to ask when the save fails: the map goes to a free numbered name instead.
  TDialog u;
  QVERIFY(SignaleUmleiten([&] { u.F().Beenden(); }));
  u.F().SpeedButton6Click();
  // "Letztes" cannot be replaced: a folder of that name is in the way.
  QVERIFY(QDir().mkpath(QString::fromStdString(u.Szenariodatei("Letztes.vdz"))));
  std::raise(SIGINT);
  QTRY_VERIFY(DateiVorhanden(u.Szenariodatei("Letztes1.vdz")));
  TKV kv;
  TSzenario s;
  QVERIFY(SzenarioLaden(kv, s, u.Szenariodatei("Letztes1.vdz")));
  QCOMPARE(s.Kartenwerte[0], 30);
  QCOMPARE(u.Fragen, 0);
  QVERIFY(u.Hinweise.isEmpty());
  SignaleUmleiten({});

  // Nor is a FIFO in its place turned into a file.
  TDialog v;
  v.F().SpeedButton6Click();
  QCOMPARE(::mkfifo(v.Szenariodatei("Letztes.vdz").c_str(), 0644), 0);
  v.F().Beenden();
  QVERIFY(DateiVorhanden(v.Szenariodatei("Letztes1.vdz")));
  struct stat info {};
  QCOMPARE(::lstat(v.Szenariodatei("Letztes.vdz").c_str(), &info), 0);
  QVERIFY(S_ISFIFO(info.st_mode));
}

void DialogTest::einstellungenUeberZweiLaeufe() {
  TDialog t;
  QVERIFY(t.F().Edit6->text().isEmpty());
  t.F().Edit6->setText(QString::fromUtf8("Zoë"));
  t.F().Edit7->setText("z@example.org");
  t.F().show();
  t.F().close();
  QCOMPARE(DateiInhalt(t.Ordner.Datei("Benutzer/Benutzer.ini")),
           std::string("[Editor]\nAutor=Zo\xEB\nEpost=z@example.org\nHomepage=\n"));
  // The next run in the same folder.
  t.Formular.reset();
  t.Starten();
  QCOMPARE(t.F().Edit6->text(), QString::fromUtf8("Zoë"));
  QCOMPARE(t.F().Edit7->text(), QString("z@example.org"));
  QCOMPARE(t.F().Edit1->text(), QString());
  QVERIFY(t.F().Edit5->text().isEmpty());
}

void DialogTest::beschreibungHoechstens256() {
  TDialog t;
  QTest::keyClicks(t.F().Memo2, QString(300, 'b'));
  QCOMPARE(t.F().Memo2->toPlainText().size(), 256);
}

QTEST_MAIN(DialogTest)
#include "dialog_test.moc"
