#include "app/haupt_formular.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QWindow>
#include <chrono>
#include <iostream>
#include <optional>

#include "app/benutzer_ini.h"
#include "app/gl_form.h"
#include "app/uebersetzung.h"
#include "app/warten.h"
#include "base/dateien.h"
#include "base/text.h"
#include "base/zufall.h"
#include "editor/start.h"
#include "editor/verlauf.h"
#include "model/einstellungen.h"
#include "model/tabellen.h"
#include "scenario/szenario_datei.h"
#include "scenario/szenario_umwandlung.h"
#include "scenario/szenario_vorschau.h"

namespace {

const char* const Szenarioendung = "vdz";
constexpr int Feldlaenge = 256; // what the one-line edits and the description take

QString AusLatin1(const TText& text) {
  return QString::fromStdString(Latin1NachUtf8(text));
}
TText NachLatin1(const QString& text) {
  return Utf8NachLatin1(text.toStdString());
}

// The file name of a path without folder and without its last extension.
std::string Grundname(const std::string& pfad) {
  std::size_t trenner = pfad.rfind('/');
  std::string name = trenner == std::string::npos ? pfad : pfad.substr(trenner + 1);
  std::size_t punkt = name.rfind('.');
  return punkt == std::string::npos ? name : name.substr(0, punkt);
}

// Today's date in the system's short date format. The C locale has no date format worth the
// name, so without a real locale the date reads dd.MM.yyyy, as the command-line tool writes it.
QString HeutigesDatum() {
  const QLocale ort = QLocale::system();
  const QDate heute = QDate::currentDate();
  if (ort.language() == QLocale::C) return heute.toString("dd.MM.yyyy");
  return ort.toString(heute, QLocale::ShortFormat);
}

QLabel* Beschriftung(QWidget* eltern, const QString& text, int x, int y) {
  auto* l = new QLabel(text, eltern);
  l->move(x, y);
  l->adjustSize();
  return l;
}

QLineEdit* Eingabefeld(QWidget* eltern, int x, int y, int breite, int laenge,
                       const QString& text = {}) {
  auto* e = new QLineEdit(text, eltern);
  e->setGeometry(x, y, breite, 24);
  e->setMaxLength(laenge);
  return e;
}

QComboBox* Auswahlliste(QWidget* eltern, int x, int y, int breite) {
  auto* c = new QComboBox(eltern);
  c->setGeometry(x, y, breite, 24);
  c->setEditable(false);
  return c;
}

} // namespace

THauptFormular::THauptFormular(TProgrammdaten& daten, const std::string& programmordner,
                               QWidget* parent)
    : THauptFormular(daten, TDatenordner{programmordner, {}, {}}, parent) {}

THauptFormular::THauptFormular(TProgrammdaten& daten, const TDatenordner& ordner, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      Daten(daten) {
  Eingabe = [this](const QString& titel, const QString& frage, QString& text) {
    auto abfrage = Namensabfrage(isVisible() ? this : nullptr, titel, frage, text);
    if (abfrage->exec() != QDialog::Accepted) return false;
    text = abfrage->textValue();
    return true;
  };
  Hinweis = [this](const QString& text) {
    QMessageBox::warning(isVisible() ? this : nullptr, windowTitle(), text);
  };
  SchliessenFrage = [this](const QString& text) {
    QMessageBox frage(QMessageBox::Warning, windowTitle(), text, QMessageBox::NoButton,
                      isVisible() ? this : nullptr);
    QPushButton* nochmals =
        frage.addButton(Sprachwahl("Erneut versuchen", "Try again"), QMessageBox::AcceptRole);
    QPushButton* anderswo = frage.addButton(
        Sprachwahl("Anderswo speichern...", "Save elsewhere..."), QMessageBox::ActionRole);
    QPushButton* ohne = frage.addButton(Sprachwahl("Ohne Speichern beenden", "Quit without saving"),
                                        QMessageBox::DestructiveRole);
    QPushButton* zurueck = frage.addButton(QMessageBox::Cancel);
    zurueck->setText(Sprachwahl("Zur\xFC"
                                "ck",
                                "Back"));
    frage.setDefaultButton(nochmals);
    frage.setEscapeButton(zurueck);
    frage.exec();
    if (frage.clickedButton() == nochmals) return swNochmals;
    if (frage.clickedButton() == anderswo) return swAnderswo;
    if (frage.clickedButton() == ohne) return swOhneSpeichern;
    return swZurueck;
  };
  Speicherort = [this](const QString& titel) {
    QFileDialog auswahl(isVisible() ? this : nullptr, titel, QDir::homePath(),
                        Sprachwahl("Szenarios (*.vdz)", "Scenarios (*.vdz)"));
    auswahl.setAcceptMode(QFileDialog::AcceptSave);
    auswahl.setDefaultSuffix(Szenarioendung);
    if (auswahl.exec() != QDialog::Accepted || auswahl.selectedFiles().isEmpty()) return QString();
    return auswahl.selectedFiles().first();
  };
  Kartenerzeugung = [](TKV& kv, const TKartenParameter& p) { return KarteErzeugen(kv, p); };
  Szenariokarte = [](TKV& kv, const TSzenario& s) { return KarteAusSzenario(kv, s); };
  Ausweichordner = QDir::homePath().toStdString();
  UngespeichertFrage = [this] {
    return UngespeichertFragen(isVisible() ? this : nullptr, Daten.Programm.Sprache, windowTitle());
  };
  WiederherstellungFrage = [this] {
    const QDateTime zeit = QFileInfo(QString::fromStdString(Sicherung.Pfad)).lastModified();
    return WiederherstellungFragen(isVisible() ? this : nullptr, Daten.Programm.Sprache,
                                   windowTitle(),
                                   QLocale::system().toString(zeit, QLocale::ShortFormat));
  };

  SteuerelementeAnlegen();

  ZufallsquelleStarten();
  EditorStart(Daten.Programm, ordner.Daten);
  Daten.Programm.Grafikvorrat = ordner.Grafikvorrat;
  Daten.Programm.Szenariovorrat = ordner.Szenariovorrat;
  QtTexteLaden(Daten.Programm.Sprache);
  // The map generator draws from the game record's own generator, which only a reset seeds.
  SpielZuruecksetzen(Daten.KV);
  SpielEinstellungenEinrichten();
  SzenariosAnzeigen();
  LeseBenutzerIni();

  Sicherung.Pfad = WiederherstellungPfad(Daten.Programm.Pfad);
  // For tests: VANDOR_SICHERUNG_MS sets the rest after the last change before a recovery copy
  // is written, in milliseconds (instead of 10 s; the longest time between copies is twelve
  // times it, instead of 2 minutes).
  bool gesetzt = false;
  const int ruhe = qEnvironmentVariableIntValue("VANDOR_SICHERUNG_MS", &gesetzt);
  if (gesetzt && ruhe > 0) {
    Sicherung.Ruhe = static_cast<uint32_t>(ruhe);
    Sicherung.Abstand = 12 * Sicherung.Ruhe;
  }
  Sicherungstakt.setInterval(static_cast<int>(std::min<uint32_t>(1000, Sicherung.Ruhe)));
  connect(&Sicherungstakt, &QTimer::timeout, this, [this] { SicherungPruefen(); });
  Sicherungstakt.start();
}

void THauptFormular::SteuerelementeAnlegen() {
  setWindowTitle("Vandor Editor");
  QFont schrift("Georgia");
  schrift.setPixelSize(13);
  setFont(schrift);
  setFixedSize(662, 500);
  if (QScreen* schirm = QGuiApplication::primaryScreen())
    move(schirm->availableGeometry().center() - rect().center());

  GroupBox3 = new QGroupBox("Vandor Neues Szenario erzeugen", this);
  GroupBox3->setGeometry(16, 16, 633, 465);

  SpeedButton6 = new QPushButton("Szenario erzeugen", GroupBox3);
  SpeedButton6->setGeometry(424, 384, 177, 49);
  SpeedButton6->setFlat(true);
  SpeedButton5 = new QPushButton("Szenario speichern", GroupBox3);
  SpeedButton5->setGeometry(24, 384, 177, 49);
  SpeedButton5->setFlat(true);
  // Flat buttons act on the mouse only: they never take the focus, so neither Tab nor the space
  // bar reaches them and the first field of the form has the focus at start.
  for (QPushButton* b : {SpeedButton6, SpeedButton5}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
  }

  TabControl1 = new QTabWidget(GroupBox3);
  TabControl1->setGeometry(24, 32, 585, 337);

  TabSheet2 = new QWidget(TabControl1);
  Label16 = Beschriftung(TabSheet2, "Name", 48, 32);
  Edit5 = Eingabefeld(TabSheet2, 160, 32, 273, Feldlaenge);
  Label1 = Beschriftung(TabSheet2, "Autor", 48, 80);
  Edit6 = Eingabefeld(TabSheet2, 160, 80, 273, Feldlaenge);
  Label2 = Beschriftung(TabSheet2, "Epost", 48, 112);
  Edit7 = Eingabefeld(TabSheet2, 160, 112, 273, Feldlaenge);
  Label4 = Beschriftung(TabSheet2, "Homepage", 48, 146);
  Edit1 = Eingabefeld(TabSheet2, 160, 144, 273, Feldlaenge);
  Label3 = Beschriftung(TabSheet2, "Beschreibung", 48, 192);
  Memo2 = new QPlainTextEdit(TabSheet2);
  Memo2->setGeometry(160, 192, 273, 97);
  Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(Memo2, &QPlainTextEdit::textChanged, this, [this] {
    // The description takes at most 256 characters, as the other fields do.
    const QString text = Memo2->toPlainText();
    if (text.size() <= Feldlaenge) return;
    QSignalBlocker sperre(Memo2);
    Memo2->setPlainText(text.left(Feldlaenge));
    Memo2->moveCursor(QTextCursor::End);
  });
  TabControl1->addTab(TabSheet2, "Einstellungen");

  TabSheet4 = new QWidget(TabControl1);
  ComboBox2 = Auswahlliste(TabSheet4, 24, 16, 153);
  ComboBox2->addItems({"Zufallskarte", "Szenario"});
  ComboBox2->setCurrentIndex(0);
  Label5 = Beschriftung(TabSheet4,
                        QString::fromLatin1("Gr\xF6\xDF"
                                            "e"),
                        64, 80);
  ComboBox7 = Auswahlliste(TabSheet4, 160, 80, 169);
  Edit8 = Eingabefeld(TabSheet4, 376, 80, 57, 4, "0");
  Label7 = Beschriftung(TabSheet4, "x", 446, 82);
  Edit9 = Eingabefeld(TabSheet4, 464, 80, 57, 4, "0");
  // Pasted text passes no key filter: only digits (or nothing) may stand in the fields.
  for (QLineEdit* e : {Edit8, Edit9})
    e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,4}"), e));
  RadioButton1 = new QRadioButton("Landschaft", TabSheet4);
  RadioButton1->setGeometry(80, 152, 113, 17);
  ComboBox8 = Auswahlliste(TabSheet4, 216, 152, 169);
  RadioButton2 = new QRadioButton(QString::fromLatin1("Gel\xE4nde"), TabSheet4);
  RadioButton2->setGeometry(80, 216, 113, 17);
  RadioButton2->setChecked(true);
  ComboBox1 = Auswahlliste(TabSheet4, 216, 216, 169);

  ListView2 = new QTreeWidget(TabSheet4);
  ListView2->setGeometry(20, 56, 229, 233);
  ListView2->setColumnCount(1);
  ListView2->setHeaderLabels({"Szenario"});
  ListView2->header()->setStretchLastSection(false);
  ListView2->setColumnWidth(0, 180);
  ListView2->setRootIsDecorated(false);
  ListView2->setItemsExpandable(false);
  ListView2->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView2->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView2->setEditTriggers(QAbstractItemView::NoEditTriggers);
  {
    // The chosen row stays marked while another control has the focus.
    QPalette farben = ListView2->palette();
    farben.setColor(QPalette::Inactive, QPalette::Highlight,
                    farben.color(QPalette::Active, QPalette::Highlight));
    farben.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    farben.color(QPalette::Active, QPalette::HighlightedText));
    ListView2->setPalette(farben);
  }
  ListView2->raise(); // it covers the size label while it shows

  Memo1 = new QPlainTextEdit(TabSheet4);
  Memo1->setGeometry(264, 176, 297, 113);
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  {
    QFont klein("Georgia");
    klein.setPixelSize(11);
    Memo1->setFont(klein);
  }
  Image1 = new QLabel(TabSheet4);
  Image1->setGeometry(408, 16, 145, 145);
  Image1->setAlignment(Qt::AlignCenter);
  TabControl1->addTab(TabSheet4, "Karte");
  TabControl1->setCurrentWidget(TabSheet2);

  connect(SpeedButton6, &QPushButton::clicked, this, [this] { SpeedButton6Click(); });
  connect(SpeedButton5, &QPushButton::clicked, this, [this] { SpeedButton5Click(); });
  connect(ComboBox7, &QComboBox::activated, this, [this] { ComboBox7Change(); });
  connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
  // Every change of the chosen row previews it, whatever made it (mouse, keys, a first letter);
  // a click on the chosen row previews it again.
  connect(ListView2, &QTreeWidget::currentItemChanged, this, [this] { ListView2Click(); });
  connect(ListView2, &QTreeWidget::itemClicked, this, [this] { ListView2Click(); });
  Edit8->installEventFilter(this);
  Edit9->installEventFilter(this);
  Image1->installEventFilter(this);
}

void THauptFormular::EditorFensterSetzen(TGLForm* fenster) {
  GLForm = fenster;
  if (!fenster) return;
  fenster->Umgebung.SzenarioSpeichern = [this] {
    SpeedButton5Click();
    // Back to the editor window after the query when the save came from there.
    if (GLForm->isVisible()) GLForm->requestActivate();
  };
  fenster->Titelname = [this] { return Kartenname(); };
  fenster->BeimSchliessen = [this] {
    show();
    raise();
    activateWindow();
  };
}

QString THauptFormular::Sprachwahl(const char* deutsch, const char* englisch) const {
  return AusLatin1(Daten.Programm.Sprache == 1 ? englisch : deutsch);
}

void THauptFormular::SpielEinstellungenEinrichten() {
  const int sprache = Daten.Programm.Sprache == 1 ? 1 : 0;
  ComboBox8->clear();
  for (const TLandschaft& l : Landschaftstabelle)
    ComboBox8->addItem(AusLatin1(l.Name[sprache]));
  ComboBox8->setCurrentIndex(1);
  ComboBox1->clear();
  for (const TGelaendeArt& g : Gelaendetabelle)
    ComboBox1->addItem(AusLatin1(g.Name[sprache]));
  ComboBox1->setCurrentIndex(3);
  ComboBox7->clear();
  for (const TKartengroesse& k : Kartengroessen)
    ComboBox7->addItem(AusLatin1(k.Name[sprache]));
  ComboBox7->setCurrentIndex(StandardKartengroesse);
  ComboBox7Change();
  ComboBox2Change();
}

void THauptFormular::ComboBox7Change() {
  const int i = ComboBox7->currentIndex();
  if (i < 0 || i >= Kartengroessenanzahl) return;
  Edit8->setText(QString::number(Kartengroessen[i].Breite));
  Edit9->setText(QString::number(Kartengroessen[i].Hoehe));
}

void THauptFormular::ComboBox2Change() {
  const bool zufall = ComboBox2->currentIndex() == 0;
  QuelleZeigen(zufall);
  if (!zufall) SzenariosAnzeigen();
}

void THauptFormular::QuelleZeigen(bool zufall) {
  for (QWidget* w : std::initializer_list<QWidget*>{ComboBox1, ComboBox7, ComboBox8, RadioButton1,
                                                    RadioButton2, Edit8, Edit9, Label7})
    w->setVisible(zufall);
  for (QWidget* w : std::initializer_list<QWidget*>{ListView2, Memo1, Image1})
    w->setVisible(!zufall);
}

void THauptFormular::SzenariosAnzeigen(std::string waehlen) {
  // waehlen is a copy: it may name an element of SzenarioDateien, which the listing replaces.
  const std::string ordner = Daten.Programm.Pfad + "Szenario";
  const int32_t anzahl = DateienZaehlen(ordner, Szenarioendung, true);
  // The rows are refilled in one go; the preview follows once, for the row chosen at the end.
  QSignalBlocker sperre(ListView2);
  ListView2->clear();
  std::vector<std::string> gefunden;
  if (anzahl > 0) DateienSuchen(ordner, Szenarioendung, true, true, gefunden);
  // The scenarios that come with the program follow the user's own, read from where they are.
  std::vector<std::string> mitgeliefert;
  if (!Daten.Programm.Szenariovorrat.empty() &&
      DateienSuchen(Daten.Programm.Szenariovorrat, Szenarioendung, true, true, mitgeliefert) > 0)
    gefunden.insert(gefunden.end(), mitgeliefert.begin(), mitgeliefert.end());
  // The file opened from the command line stays in the list wherever it lies.
  if (!Geoeffnet.empty() && Zeilenindex(gefunden, Geoeffnet) < 0) gefunden.push_back(Geoeffnet);
  if (gefunden.empty()) return;
  SzenarioDateien = std::move(gefunden);
  for (const std::string& pfad : SzenarioDateien)
    ListView2->addTopLevelItem(
        new QTreeWidgetItem(QStringList{QString::fromStdString(Grundname(pfad))}));
  const int zeile = std::max(waehlen.empty() ? 0 : Zeilenindex(SzenarioDateien, waehlen), 0);
  ListView2->setCurrentItem(ListView2->topLevelItem(zeile));
  sperre.unblock();
  ListView2Click();
  ListView2->viewport()->update();
}

int THauptFormular::Zeilenindex(const std::vector<std::string>& pfade, const std::string& pfad) {
  const QFileInfo gesucht(QString::fromStdString(pfad));
  for (std::size_t i = 0; i < pfade.size(); ++i)
    if (pfade[i] == pfad || QFileInfo(QString::fromStdString(pfade[i])) == gesucht)
      return static_cast<int>(i);
  return -1;
}

void THauptFormular::ListView2Click() {
  QTreeWidgetItem* zeile = ListView2->currentItem();
  const int i = zeile && zeile->isSelected() ? ListView2->indexOfTopLevelItem(zeile) : -1;
  if (i >= 0 && i < static_cast<int>(SzenarioDateien.size())) SzenarioAnzeigen(i);
}

void THauptFormular::SzenarioAnzeigen(int index) {
  TArbeitsrahmen rahmen;
  TWarten warten;
  // The preview reads into a game record of its own: the map being edited stays as it is.
  TKV vorschau;
  std::string grund;
  const bool gelesen = SzenarioLaden(vorschau, Daten.Szenario, SzenarioDateien[index], &grund);
  Memo1->clear();
  if (!gelesen) {
    // Not the details of the last file, nor half of this one's; the reason as the system and
    // the reader tell it.
    Memo1->appendPlainText(Sprachwahl("Datei kann nicht gelesen werden", "File cannot be read"));
    Memo1->appendPlainText(QString::fromStdString(grund));
    Uebersicht = QImage();
    Image1->clear();
    VorschauPfad.clear();
    return;
  }
  VorschauPfad = SzenarioDateien[index];
  for (const TText& zeile : SzenarioDetails(Daten.Szenario, Daten.Programm.Sprache)) {
    QString text = AusLatin1(zeile);
    text.replace("\r\n", "\n");
    Memo1->appendPlainText(text);
  }
  Memo1->moveCursor(QTextCursor::Start);
  ErzeugeUebersicht(false);
}

void THauptFormular::ErzeugeUebersicht(bool nurStartpunkte) {
  // Drawn at the control's size in device pixels: a large map with many start positions costs
  // no more than a small one. A picture smaller than that comes at its own size.
  const qreal dichte = Image1->devicePixelRatioF();
  const QSize ziel = Image1->size() * dichte;
  TRgbaBild bild;
  if (::ErzeugeVorschau(bild, Daten.Szenario, nurStartpunkte,
                        std::min(ziel.width(), ziel.height())) &&
      bild.Breite > 0 && bild.Hoehe > 0) {
    Uebersicht =
        QImage(bild.Pixel.data(), bild.Breite, bild.Hoehe, bild.Breite * 4, QImage::Format_RGBA8888)
            .copy();
  } else {
    Uebersicht = QImage();
  }
  if (Uebersicht.isNull()) {
    Image1->clear();
    return;
  }
  // Stretched to the control with the proportions kept; each cell stays a sharp square.
  QPixmap bildchen =
      QPixmap::fromImage(Uebersicht.scaled(ziel, Qt::KeepAspectRatio, Qt::FastTransformation));
  bildchen.setDevicePixelRatio(dichte);
  Image1->setPixmap(bildchen);
}

void THauptFormular::Image1Click() {
  ErzeugeUebersicht(true);
}

void THauptFormular::SzenarioOeffnen(const std::string& pfad) {
  Geoeffnet = pfad;
  ComboBox2->setCurrentIndex(1);
  TabControl1->setCurrentWidget(TabSheet4);
  QuelleZeigen(false);
  SzenariosAnzeigen(pfad);
}

std::string THauptFormular::Befehlszeilendatei(const QStringList& argumente) {
  for (qsizetype i = 1; i < argumente.size(); ++i) {
    const QString& a = argumente[i];
    if (a.isEmpty() || a.startsWith('-')) continue;
    const QString pfad = a.startsWith("file:") ? QUrl(a).toLocalFile() : a;
    if (pfad.isEmpty()) continue;
    return QFile::encodeName(QFileInfo(pfad).absoluteFilePath()).toStdString();
  }
  return {};
}

std::unique_ptr<QInputDialog> THauptFormular::Namensabfrage(QWidget* eltern, const QString& titel,
                                                            const QString& frage,
                                                            const QString& text) {
  auto abfrage = std::make_unique<QInputDialog>(eltern);
  abfrage->setWindowTitle(titel);
  abfrage->setLabelText(frage);
  abfrage->setTextValue(text);
  // The window manager cuts a title wider than the window. Its title font is bold and often a
  // little larger; the icon and the buttons of the title bar take about 150 pixels more.
  QFont titelschrift = QApplication::font();
  titelschrift.setBold(true);
  if (titelschrift.pointSizeF() > 0) titelschrift.setPointSizeF(titelschrift.pointSizeF() * 1.2);
  const int breite = QFontMetrics(titelschrift).horizontalAdvance(titel) + 150;
  // The dialog's layout sets its minimum size itself; a size given before showing stays.
  const QSize vorschlag = abfrage->sizeHint();
  abfrage->resize(std::max(breite, vorschlag.width()), vorschlag.height());
  return abfrage;
}

int32_t THauptFormular::Seitenlaenge(const QString& text) {
  bool zahl = false;
  const int wert = text.toInt(&zahl, 10);
  if (!zahl) return 30;
  return wert < 0 ? 0 : wert;
}

bool THauptFormular::ZifferntasteVerwerfen(const QKeyEvent& taste) {
  // Keys that type nothing (cursor keys, Delete) and the focus change pass; of the characters
  // only the digits and backspace. X11 gives Delete the text DEL, yet it types nothing. Key
  // combinations with Ctrl are commands (copy, paste, select all); the validator checks what
  // a paste brings.
  if (taste.key() == Qt::Key_Tab || taste.key() == Qt::Key_Backtab || taste.key() == Qt::Key_Delete)
    return false;
  if (taste.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  const QString text = taste.text();
  if (text.isEmpty()) return false;
  const QChar c = text.at(0);
  return !(c == QChar(8) || (c >= QChar('0') && c <= QChar('9')));
}

void THauptFormular::EinstellungenAufnehmen(TKartenParameter& p) {
  EinstellungenZuruecksetzen(Daten.KV.Einstellungen);
  TZufallsgenerator g = EinstellungsGenerator(Daten.KV.Einstellungen);
  ZufallInitialisieren(g);
  EinstellungsGeneratorSetzen(Daten.KV.Einstellungen, g);
  p = TKartenParameter{};
  p.Breite = Seitenlaenge(Edit8->text());
  p.Hoehe = Seitenlaenge(Edit9->text());
  p.Gelaende = static_cast<uint8_t>(std::max(ComboBox1->currentIndex(), 0));
  p.Landschaft = static_cast<uint8_t>(std::max(ComboBox8->currentIndex(), 0));
  p.Verfahren = RadioButton1->isChecked() ? kvLandschaft : kvFuellen;
}

bool THauptFormular::UngespeichertKlaeren() {
  switch (UngespeichertFrage()) {
  case uwVerwerfen:
    return true;
  case uwSpeichern:
    return SpeedButton5Click();
  default:
    return false;
  }
}

void THauptFormular::SpeedButton6Click() {
  // The new map is built into a record of its own and replaces the map being edited only when
  // it is complete: a failed build must not cost the user the map.
  const bool ausSzenario = ComboBox2->currentIndex() == 1;
  const bool geladen = (Daten.Szenario.Geladen & sgGeladen) != 0;
  // Building from the recovery copy gives the map it holds: nothing to lose.
  const bool ausSicherung = ausSzenario && geladen && VorschauPfad == Sicherung.Pfad;
  if ((!ausSzenario || geladen) && !ausSicherung &&
      UngesicherteAenderungen(Daten.Programm, Daten.KV) && !UngespeichertKlaeren())
    return;
  // Read again: saving first previews the chosen scenario anew.
  if (ausSzenario && !(Daten.Szenario.Geladen & sgGeladen)) {
    // A random map from hidden fields is not what the user asked for.
    if (ListView2->currentItem() && ListView2->currentItem()->isSelected())
      Hinweis(Sprachwahl("Das gew\xE4hlte Szenario kann nicht gelesen werden; es wurde keine "
                         "Karte erzeugt.",
                         "The chosen scenario cannot be read; no map was built."));
    else
      Hinweis(Sprachwahl("Es ist kein Szenario gew\xE4hlt; es wurde keine Karte erzeugt.",
                         "No scenario is chosen; no map was built."));
    return;
  }
  TArbeitsrahmen rahmen;
  std::optional<TWarten> warten(std::in_place);
  TKV neu;
  bool gebaut;
  if (ausSzenario) {
    // The map starts from a fresh game record, as when the scenario file was read.
    SpielZuruecksetzen(neu);
    gebaut = Szenariokarte(neu, Daten.Szenario);
  } else {
    TKartenParameter p;
    EinstellungenAufnehmen(p);
    // The build reads the settings and draws from the game generator of the current record.
    neu.Stand = Daten.KV.Stand;
    neu.Zufall = Daten.KV.Zufall;
    neu.Einstellungen = Daten.KV.Einstellungen;
    gebaut = Kartenerzeugung(neu, p);
  }
  warten.reset();
  if (!gebaut) {
    Hinweis(Sprachwahl("Die Karte konnte nicht erzeugt werden: zu wenig Speicher. Die bisherige "
                       "Karte bleibt erhalten.",
                       "The map could not be built: not enough memory. The current map is kept."));
    return;
  }
  Vorschlag = ausSzenario && !Geoeffnet.empty() && VorschauPfad == Geoeffnet
                  ? QString::fromStdString(Grundname(Geoeffnet))
                  : QString();
  if (ausSzenario) {
    Daten.KV = std::move(neu);
  } else {
    Daten.KV.Karte = std::move(neu.Karte);
    Daten.KV.Zufall = neu.Zufall;
  }
  Dateiname =
      ausSzenario && !ausSicherung ? QString::fromStdString(Grundname(VorschauPfad)) : QString();
  AufInsFeld();
  // The map of the recovery copy is saved nowhere yet.
  if (ausSicherung) GesichertVergessen(Daten.Programm);
  if (GLForm) GLForm->TitelAktualisieren();
}

void THauptFormular::AufInsFeld() {
  // The centre of the dialog as it stands, frame included: hidden, it may lose its frame.
  const QPoint mitte =
      windowHandle() ? windowHandle()->frameGeometry().center() : frameGeometry().center();
  ProgrammVorbereiten();
  hide();
  if (GLForm) GLForm->Zeigen(mitte);
}

void THauptFormular::ProgrammVorbereiten() {
  if (!GLForm) {
    const TEditorUmgebung ohneFenster;
    TEditor e{Daten.Programm, Daten.KV, ohneFenster};
    ::ProgrammVorbereiten(e);
    return;
  }
  TEditor e = GLForm->Editor();
  ::ProgrammVorbereiten(e);
  GLForm->SpielGrafikenLaden(Daten.Programm.ProgrammSpiel.Spiel);
  GLForm->Timer1.start();
}

bool THauptFormular::SpeedButton5Click() {
  QString titel, frage;
  if (Daten.Programm.Sprache == 0) {
    titel = "Szenario speichern";
    frage = "Dateinamen eingeben";
  } else if (Daten.Programm.Sprache == 1) {
    titel = "Save szenario";
    frage = "Enter filename";
  }
  // A map built from a file opened from the command line keeps that file's name.
  QString name = Vorschlag.isEmpty() ? QString("Szenario") : Vorschlag;
  return Eingabe(titel, frage, name) && EingabeSzenarioSpeichern(name, false);
}

bool THauptFormular::EingabeSzenarioSpeichern(const QString& name, bool ueberschreiben) {
  // Without a name the file would be a hidden ".vdz".
  if (name.trimmed().isEmpty()) {
    Hinweis(Sprachwahl("Bitte einen Dateinamen eingeben; das Szenario wurde nicht gespeichert.",
                       "Please enter a file name; the scenario was not saved."));
    return false;
  }
  // A name is a file name in the scenario folder, never a path leading elsewhere.
  if (name.contains('/') || name.contains('\\') || name.contains(QChar(0))) {
    Hinweis(Sprachwahl("Der Dateiname \"%1\" darf weder \"/\" noch \"\\\" enthalten; das "
                       "Szenario wurde nicht gespeichert.",
                       "The file name \"%1\" must not contain \"/\" or \"\\\"; the scenario "
                       "was not saved.")
                .arg(name));
    return false;
  }
  TArbeitsrahmen rahmen;
  std::optional<TWarten> warten(std::in_place);
  if (!SzenarioVorbereiten()) {
    warten.reset();
    Hinweis(Sprachwahl("Das Szenario konnte nicht gespeichert werden: zu wenig Speicher.",
                       "The scenario could not be saved: not enough memory."));
    return false;
  }
  warten.reset();
  const std::string ordner = Daten.Programm.Pfad + "Szenario";
  std::string pfad = ordner + "/" + name.toStdString() + "." + Szenarioendung;
  if (DateiVorhanden(pfad) && !ueberschreiben) {
    pfad = FreierDateiname(Grundname(pfad), Szenarioendung, ordner, 1, 9999, 0, false);
    if (pfad == "notfound") {
      Hinweis(Sprachwahl("F\xFCr \"%1\" ist kein nummerierter Dateiname mehr frei; das Szenario "
                         "wurde nicht gespeichert.",
                         "No numbered file name is left for \"%1\"; the scenario was not saved.")
                  .arg(name));
      return false;
    }
  }
  warten.emplace();
  const bool geschrieben = SzenarioSchreiben(pfad);
  warten.reset();
  if (!geschrieben) {
    Hinweis(Sprachwahl("Das Szenario konnte nicht als \"%1\" gespeichert werden.",
                       "The scenario could not be saved as \"%1\".")
                .arg(QString::fromStdString(pfad)));
    return false;
  }
  // The new file shows in the list at once; the chosen row stays chosen.
  if (ComboBox2->currentIndex() == 1) {
    const int zeile =
        ListView2->currentItem() ? ListView2->indexOfTopLevelItem(ListView2->currentItem()) : -1;
    SzenariosAnzeigen(zeile >= 0 && zeile < static_cast<int>(SzenarioDateien.size())
                          ? SzenarioDateien[zeile]
                          : pfad);
  }
  return true;
}

TSicherungstexte THauptFormular::Szenariotexte() const {
  TSicherungstexte t;
  t[stName] = TextKuerzen(NachLatin1(Edit5->text()));
  t[stAutor] = TextKuerzen(NachLatin1(Edit6->text()));
  t[stEpost] = TextKuerzen(NachLatin1(Edit7->text()));
  t[stHomepage] = TextKuerzen(NachLatin1(Edit1->text()));
  QString beschreibung = Memo2->toPlainText();
  beschreibung.replace("\n", "\r\n");
  t[stBeschreibung] = TextKuerzen(NachLatin1(beschreibung));
  t[stDatum] = TextKuerzen(NachLatin1(HeutigesDatum()));
  return t;
}

bool THauptFormular::SzenarioVorbereiten() {
  TSzenario& s = Daten.Szenario;
  if (!SzenarioAusKarte(s, Daten.KV)) return false;
  const TSicherungstexte t = Szenariotexte();
  std::copy(t.begin(), t.end(), std::begin(s.Texte));
  return true;
}

bool THauptFormular::SzenarioSchreiben(const std::string& pfad, std::string* grund) {
  if (!SzenarioSpeichern(Daten.Szenario, pfad, grund)) return false;
  // The record was filled from the map just before: the map is saved as it stands.
  KarteGesichert(Daten.Programm, Daten.KV);
  Dateiname = QString::fromStdString(Grundname(pfad));
  if (GLForm) GLForm->TitelAktualisieren();
  return true;
}

QString THauptFormular::Kartenname() const {
  const QString name = Edit5->text().trimmed();
  return name.isEmpty() ? Dateiname : name;
}

void THauptFormular::SicherungPruefen() {
  using namespace std::chrono;
  const auto jetzt = static_cast<uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  SicherungTakt(Sicherung, Daten.KV, UngesicherteAenderungen(Daten.Programm, Daten.KV), jetzt,
                [this] { return Szenariotexte(); });
  if (GLForm) GLForm->TitelAktualisieren();
}

void THauptFormular::WiederherstellungAnbieten() {
  if (!SicherungAnbieten(Sicherung.Pfad, Daten.Programm.Pfad + "Szenario")) return;
  if (WiederherstellungFrage() == wwVerwerfen) {
    QFile::remove(QString::fromStdString(Sicherung.Pfad));
    return;
  }
  TKV gelesen, neu;
  TSzenario s;
  std::string grund;
  if (!SzenarioLaden(gelesen, s, Sicherung.Pfad, &grund)) {
    // The file stays: nothing of it is lost by a failed read.
    Hinweis(Sprachwahl("Die Wiederherstellungskopie \"%1\" kann nicht gelesen werden (%2).",
                       "The recovery copy \"%1\" cannot be read (%2).")
                .arg(QString::fromStdString(Sicherung.Pfad), QString::fromStdString(grund)));
    return;
  }
  SpielZuruecksetzen(neu);
  if (!Szenariokarte(neu, s)) {
    Hinweis(Sprachwahl("Die Wiederherstellungskopie konnte nicht ge\xF6"
                       "ffnet werden: zu wenig Speicher.",
                       "The recovery copy could not be opened: not enough memory."));
    return;
  }
  Daten.KV = std::move(neu);
  VerlaufLeeren(Daten.Programm);
  GesichertVergessen(Daten.Programm);
  Edit5->setText(AusLatin1(s.Texte[stName]));
  QString beschreibung = AusLatin1(s.Texte[stBeschreibung]);
  beschreibung.replace("\r\n", "\n");
  Memo2->setPlainText(beschreibung);
  Dateiname.clear();
  SzenarioOeffnen(Sicherung.Pfad);
}

void THauptFormular::LeseBenutzerIni() {
  VerlaufsbudgetSetzen(
      Daten.Programm,
      static_cast<std::size_t>(VerlaufsspeicherLesen(BenutzerIniPfad(Daten.Programm.Pfad))) << 20);
  const TBenutzerDaten d = BenutzerDatenLesen(BenutzerIniPfad(Daten.Programm.Pfad));
  Edit6->setText(AusLatin1(d.Autor));
  Edit7->setText(AusLatin1(d.Epost));
  Edit1->setText(AusLatin1(d.Homepage));
}

bool THauptFormular::SchreibeBenutzerIni() {
  return BenutzerDatenSchreiben(
      BenutzerIniPfad(Daten.Programm.Pfad),
      {NachLatin1(Edit6->text()), NachLatin1(Edit7->text()), NachLatin1(Edit1->text())});
}

void THauptFormular::Melden(const QString& text) {
  if (Unbeaufsichtigt)
    std::cerr << "vandor-editor: " << text.toStdString() << std::endl;
  else
    Hinweis(text);
}

bool THauptFormular::FormClose() {
  if (Geschlossen) return true;
  if (!SchreibeBenutzerIni())
    Melden(Sprachwahl("Die Benutzereinstellungen konnten nicht in \"%1\" gespeichert werden.",
                      "The user settings could not be saved to \"%1\".")
               .arg(QString::fromStdString(BenutzerIniPfad(Daten.Programm.Pfad))));
  if (Daten.KV.Karte.Breite > 0 && Daten.KV.Karte.Hoehe > 0 && !LetztesSpeichern()) return false;
  Geschlossen = true;
  // A clean end removes the recovery copy, unless the map went unsaved (the user chose so, or
  // every save failed): then it is offered at the next start.
  Sicherungstakt.stop();
  SicherungBeenden(Sicherung, UngesicherteAenderungen(Daten.Programm, Daten.KV));
  return true;
}

bool THauptFormular::LetztesSpeichern() {
  const QString name = Daten.Programm.Sprache == 1 ? "Last" : "Letztes";
  const std::string pfad =
      Daten.Programm.Pfad + "Szenario/" + name.toStdString() + "." + Szenarioendung;
  const auto versuchen = [this](const std::string& ziel) {
    return SzenarioVorbereiten() && SzenarioSchreiben(ziel);
  };
  if (versuchen(pfad)) return true;
  if (Unbeaufsichtigt) {
    Ausweichen();
    return true;
  }
  QString ziel = QString::fromStdString(pfad);
  for (;;) {
    const TSchliesswahl wahl = SchliessenFrage(
        Sprachwahl("Die Karte konnte nicht als \"%1\" gespeichert werden. Ohne Speichern geht "
                   "sie beim Beenden verloren.",
                   "The map could not be saved as \"%1\". It is lost if the program ends "
                   "without saving.")
            .arg(ziel));
    // A signal may have ended the program while the question was open.
    if (Geschlossen) return true;
    switch (wahl) {
    case swNochmals:
      ziel = QString::fromStdString(pfad);
      if (versuchen(pfad)) return true;
      break;
    case swAnderswo: {
      const QString anderer = Speicherort(Sprachwahl("Szenario speichern", "Save szenario"));
      if (anderer.isEmpty()) break;
      ziel = anderer;
      if (versuchen(anderer.toStdString())) return true;
      break;
    }
    case swOhneSpeichern:
      return true;
    default:
      return false;
    }
  }
}

void THauptFormular::Ausweichen() {
  const std::string grund = Daten.Programm.Sprache == 1 ? "Last" : "Letztes";
  const std::pair<std::string, std::string> orte[] = {{Daten.Programm.Pfad + "Szenario", grund},
                                                      {Ausweichordner, "Vandor-" + grund}};
  for (const auto& [ordner, basis] : orte) {
    const std::string pfad = FreierDateiname(basis, Szenarioendung, ordner, 1, 9999, 0, false);
    if (pfad != "notfound" && SzenarioVorbereiten() && SzenarioSchreiben(pfad)) {
      Melden(Sprachwahl("Die Karte wurde als \"%1\" gesichert.", "The map was saved as \"%1\".")
                 .arg(QString::fromStdString(pfad)));
      return;
    }
  }
  Melden(Sprachwahl("Die Karte konnte nirgends gespeichert werden.",
                    "The map could not be saved anywhere."));
}

void THauptFormular::Beenden() {
  Unbeaufsichtigt = true;
  FormClose();
  if (GLForm) GLForm->hide();
  hide();
}

void THauptFormular::closeEvent(QCloseEvent* ereignis) {
  if (FormClose())
    ereignis->accept();
  else
    ereignis->ignore();
}

bool THauptFormular::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == Edit8 && ereignis->type() == QEvent::KeyPress)
    return Edit8KeyPress(*static_cast<QKeyEvent*>(ereignis));
  if (objekt == Edit9 && ereignis->type() == QEvent::KeyPress)
    return Edit9KeyPress(*static_cast<QKeyEvent*>(ereignis));
  if (objekt == Image1 && ereignis->type() == QEvent::MouseButtonRelease) {
    auto* maus = static_cast<QMouseEvent*>(ereignis);
    if (maus->button() == Qt::LeftButton && Image1->rect().contains(maus->position().toPoint()))
      Image1Click();
  }
  return QWidget::eventFilter(objekt, ereignis);
}
