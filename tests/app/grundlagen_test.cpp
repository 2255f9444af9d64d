// The user settings file, the INI reader and writer under it, and the translation of Qt keys and
// mouse positions into what the editor core expects.
#include <QtTest>
#include <sys/stat.h>

#include <sstream>

#include "app/befehlszeile.h"
#include "app/benutzer_ini.h"
#include "app/eingabe.h"
#include "app/fensterlage.h"
#include "app/ini_datei.h"
#include "app_test_hilfen.h"
#include "base/dateien.h"

class GrundlagenTest : public QObject {
  Q_OBJECT

private slots:
  void ersterLaufOhneDatei();
  void werteUeberleben();
  void andereAbschnitteBleibenUnberuehrt();
  void namenOhneFallUndLeerzeichen();
  void fremderAbschnittZaehltNicht();
  void langeWerteGekuerzt();
  void zeilenumbruchErzeugtKeinenSchluessel();
  void letzteZeileOhneZeilenende();
  void schreibfehlerMeldetFalse();
  void unlesbarOderSchreibgeschuetztBleibt();
  void verknuepfungUndBytereihenfolgemarke();

  void buchstabenUndZiffern();
  void zifferntasteNachPosition();
  void zahlenblockUndPfeile();
  void umschaltzustand();
  void logischePunkte();
  void befehlszeile();
  void radrasten();
  void fensterlage();
};

void GrundlagenTest::ersterLaufOhneDatei() {
  TTestOrdner o;
  const std::string pfad = o.Datei("Benutzer.ini");
  TBenutzerDaten d = BenutzerDatenLesen(pfad);
  QVERIFY(d.Autor.empty() && d.Epost.empty() && d.Homepage.empty());
  QVERIFY(BenutzerDatenSchreiben(pfad, d));
  QCOMPARE(DateiInhalt(pfad), std::string("[Editor]\nAutor=\nEpost=\nHomepage=\n"));
  // An empty file is a readable file without keys.
  DateiSchreiben(pfad, "");
  QVERIFY(BenutzerDatenSchreiben(pfad, {"a", "", ""}));
  QCOMPARE(BenutzerDatenLesen(pfad).Autor, std::string("a"));
}

void GrundlagenTest::werteUeberleben() {
  TTestOrdner o;
  const std::string pfad = o.Datei("Benutzer.ini");
  TBenutzerDaten d{"J\xFCrgen M\xFCller", "jm@example.org", "http://example.org/~jm"};
  QVERIFY(BenutzerDatenSchreiben(pfad, d));
  TBenutzerDaten zurueck = BenutzerDatenLesen(pfad);
  QCOMPARE(zurueck.Autor, d.Autor);
  QCOMPARE(zurueck.Epost, d.Epost);
  QCOMPARE(zurueck.Homepage, d.Homepage);
  // Latin-1 in the file, as the Windows profile functions wrote it.
  QVERIFY(DateiInhalt(pfad).find("Autor=J\xFCrgen M\xFCller\n") != std::string::npos);
  // An emptied field is written as an empty value, not left at the old one.
  d.Epost.clear();
  QVERIFY(BenutzerDatenSchreiben(pfad, d));
  QCOMPARE(BenutzerDatenLesen(pfad).Epost, std::string());
}

void GrundlagenTest::andereAbschnitteBleibenUnberuehrt() {
  TTestOrdner o;
  const std::string pfad = o.Datei("Benutzer.ini");
  DateiSchreiben(pfad, "; Kommentar\r\n[Andere]\r\nAutor=fremd\r\n\r\n[Editor]\r\nAutor=alt\r\n"
                       "Farbe = blau\r\n\r\n[Spiel]\r\nx=1\r\n");
  QVERIFY(BenutzerDatenSchreiben(pfad, {"neu", "a@b", "h"}));
  QCOMPARE(DateiInhalt(pfad),
           std::string("; Kommentar\r\n[Andere]\r\nAutor=fremd\r\n\r\n[Editor]\r\nAutor=neu\r\n"
                       "Farbe = blau\r\nEpost=a@b\r\nHomepage=h\r\n\r\n[Spiel]\r\nx=1\r\n"));
  // Writing the same values again changes nothing.
  const std::string vorher = DateiInhalt(pfad);
  QVERIFY(BenutzerDatenSchreiben(pfad, {"neu", "a@b", "h"}));
  QCOMPARE(DateiInhalt(pfad), vorher);
}

void GrundlagenTest::namenOhneFallUndLeerzeichen() {
  TIniDatei d = IniAusText("[ editor ]\n  AUTOR =  Hans Meier  \nepost=x=y\n");
  QCOMPARE(IniLesen(d, "Editor", "Autor"), std::string("Hans Meier"));
  QCOMPARE(IniLesen(d, "Editor", "Epost"), std::string("x=y"));
  IniSchreiben(d, "Editor", "Autor", "Eva");
  QCOMPARE(IniAlsText(d), std::string("[ editor ]\nAutor=Eva\nepost=x=y\n"));
}

void GrundlagenTest::fremderAbschnittZaehltNicht() {
  TIniDatei d = IniAusText("Autor=vorne\n[Spiel]\nAutor=x\n[Editor]\nEpost=e\n");
  QCOMPARE(IniLesen(d, "Editor", "Autor", "?"), std::string("?"));
  QCOMPARE(IniLesen(d, "Editor", "Epost"), std::string("e"));
  QCOMPARE(IniLesen(d, "Fehlt", "Epost"), std::string());
  IniSchreiben(d, "Editor", "Autor", "A");
  QCOMPARE(IniAlsText(d),
           std::string("Autor=vorne\n[Spiel]\nAutor=x\n[Editor]\nEpost=e\nAutor=A\n"));
}

void GrundlagenTest::langeWerteGekuerzt() {
  TIniDatei d = IniAusText("[Editor]\nAutor=" + std::string(3000, 'a') + "\n");
  QCOMPARE(IniLesen(d, "Editor", "Autor").size(), std::size_t{2047});
}

void GrundlagenTest::zeilenumbruchErzeugtKeinenSchluessel() {
  TIniDatei d;
  IniSchreiben(d, "Editor", "Autor", "a\r\nHomepage=boese");
  QCOMPARE(IniLesen(d, "Editor", "Homepage"), std::string());
  QCOMPARE(IniLesen(d, "Editor", "Autor"), std::string("a  Homepage=boese"));
}

void GrundlagenTest::letzteZeileOhneZeilenende() {
  TIniDatei d = IniAusText("[Andere]\nx=1");
  IniSchreiben(d, "Editor", "Autor", "A");
  QCOMPARE(IniAlsText(d), std::string("[Andere]\nx=1\n\n[Editor]\nAutor=A\n"));
  TIniDatei e = IniAusText("[Editor]\nEpost=1");
  IniSchreiben(e, "Editor", "Autor", "A");
  QCOMPARE(IniAlsText(e), std::string("[Editor]\nEpost=1\nAutor=A\n"));
}

void GrundlagenTest::schreibfehlerMeldetFalse() {
  TTestOrdner o;
  QVERIFY(!BenutzerDatenSchreiben(o.Datei("fehlt/Benutzer.ini"), {"a", "b", "c"}));
  QCOMPARE(BenutzerDatenLesen(o.Datei("fehlt/Benutzer.ini")).Autor, std::string());
}

void GrundlagenTest::unlesbarOderSchreibgeschuetztBleibt() {
  // The mode bits are checked by the program itself, so this holds for root too.
  TTestOrdner o;
  const std::string pfad = o.Datei("Benutzer.ini");
  const QString q = QString::fromStdString(pfad);
  const std::string inhalt = "[Andere]\nwichtig=1\n";
  for (QFile::Permissions rechte : {QFile::Permissions(), QFile::ReadOwner | QFile::ReadGroup}) {
    DateiSchreiben(pfad, inhalt);
    QVERIFY(QFile::setPermissions(q, rechte));
    QVERIFY(!BenutzerDatenSchreiben(pfad, {"a", "b", "c"}));
    QVERIFY(QFile::setPermissions(q, QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(DateiInhalt(pfad), inhalt);
    QVERIFY(!DateiVorhanden(pfad + ".neu"));
  }
  // A folder in the file's place is not a settings file either.
  QVERIFY(QFile::remove(q));
  QVERIFY(QDir().mkdir(q));
  QVERIFY(!BenutzerDatenSchreiben(pfad, {"a", "b", "c"}));
  // Nor a FIFO: reading does not wait for a writer, writing leaves it a FIFO.
  QVERIFY(QDir().rmdir(q));
  QCOMPARE(::mkfifo(pfad.c_str(), 0644), 0);
  QCOMPARE(BenutzerDatenLesen(pfad).Autor, std::string());
  QVERIFY(!BenutzerDatenSchreiben(pfad, {"a", "b", "c"}));
  QVERIFY(QFileInfo(q).exists() && !QFileInfo(q).isFile());
}

void GrundlagenTest::verknuepfungUndBytereihenfolgemarke() {
  TTestOrdner o;
  // The settings kept elsewhere behind a link: the link stays, its target gets the values.
  const std::string ziel = o.Datei("Speicher/echt.ini");
  const std::string pfad = o.Datei("Benutzer/Benutzer.ini");
  DateiSchreiben(ziel, "\xEF\xBB\xBF[Editor]\r\nAutor=alt\r\n");
  QVERIFY(
      QFile::setPermissions(QString::fromStdString(ziel), QFile::ReadOwner | QFile::WriteOwner));
  QVERIFY(QFile::link(QString::fromStdString(ziel), QString::fromStdString(pfad)));
  QCOMPARE(BenutzerDatenLesen(pfad).Autor, std::string("alt"));
  QVERIFY(BenutzerDatenSchreiben(pfad, {"neu", "e", "h"}));
  QVERIFY(QFileInfo(QString::fromStdString(pfad)).isSymLink());
  // The mark stays in front, the section is found, not added a second time.
  QCOMPARE(DateiInhalt(ziel),
           std::string("\xEF\xBB\xBF[Editor]\r\nAutor=neu\r\nEpost=e\r\nHomepage=h\r\n"));
  // A private file stays private.
  QVERIFY(!(QFileInfo(QString::fromStdString(ziel)).permissions() &
            (QFile::ReadGroup | QFile::ReadOther)));
}

void GrundlagenTest::buchstabenUndZiffern() {
  QCOMPARE(VirtuellerTastencode(Qt::Key_G, Qt::NoModifier), uint16_t{71});
  QCOMPARE(VirtuellerTastencode(Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier), uint16_t{90});
  QCOMPARE(VirtuellerTastencode(Qt::Key_A, Qt::NoModifier), uint16_t{65});
  QCOMPARE(VirtuellerTastencode(Qt::Key_0, Qt::NoModifier), uint16_t{48});
  QCOMPARE(VirtuellerTastencode(Qt::Key_9, Qt::ControlModifier), uint16_t{57});
  QCOMPARE(VirtuellerTastencode(Qt::Key_F1, Qt::NoModifier), uint16_t{112});
  QCOMPARE(VirtuellerTastencode(Qt::Key_Escape, Qt::NoModifier), uint16_t{27});
  QCOMPARE(VirtuellerTastencode(Qt::Key_unknown, Qt::NoModifier), uint16_t{0});
  QCOMPARE(VirtuellerTastencode(Qt::Key_NumberSign, Qt::ShiftModifier), uint16_t{0});
}

void GrundlagenTest::zifferntasteNachPosition() {
  // Shift+3 gives "#" or "§" depending on the layout; the key stays the digit 3.
  QCOMPARE(VirtuellerTastencode(Qt::Key_NumberSign, Qt::ShiftModifier, 12), uint16_t{51});
  QCOMPARE(VirtuellerTastencode(Qt::Key_Exclam, Qt::ShiftModifier, 10), uint16_t{49});
  QCOMPARE(VirtuellerTastencode(Qt::Key_ParenRight, Qt::ShiftModifier, 19), uint16_t{48});
  // A letter's key code is not mistaken for a digit.
  QCOMPARE(VirtuellerTastencode(Qt::Key_Q, Qt::NoModifier, 24), uint16_t{81});
}

void GrundlagenTest::zahlenblockUndPfeile() {
  QCOMPARE(VirtuellerTastencode(Qt::Key_Left, Qt::NoModifier), uint16_t{37});
  QCOMPARE(VirtuellerTastencode(Qt::Key_Up, Qt::NoModifier), uint16_t{38});
  QCOMPARE(VirtuellerTastencode(Qt::Key_Right, Qt::KeypadModifier), uint16_t{39});
  QCOMPARE(VirtuellerTastencode(Qt::Key_Down, Qt::NoModifier), uint16_t{40});
  QCOMPARE(VirtuellerTastencode(Qt::Key_Plus, Qt::KeypadModifier, 86), uint16_t{107});
  QCOMPARE(VirtuellerTastencode(Qt::Key_Minus, Qt::KeypadModifier, 82), uint16_t{109});
  // Plus and minus of the main keyboard are other keys, which the editor ignores.
  QCOMPARE(VirtuellerTastencode(Qt::Key_Plus, Qt::NoModifier), uint16_t{187});
  QCOMPARE(VirtuellerTastencode(Qt::Key_Minus, Qt::NoModifier), uint16_t{189});
  // Keypad digits are not the digit row.
  QCOMPARE(VirtuellerTastencode(Qt::Key_3, Qt::KeypadModifier, 89), uint16_t{99});
}

void GrundlagenTest::umschaltzustand() {
  QCOMPARE(Umschaltzustand(Qt::NoModifier, Qt::NoButton), uint8_t{0});
  QCOMPARE(Umschaltzustand(Qt::ShiftModifier | Qt::ControlModifier, Qt::NoButton), uint8_t{5});
  QCOMPARE(Umschaltzustand(Qt::AltModifier | Qt::KeypadModifier, Qt::NoButton), uint8_t{2});
  QCOMPARE(Umschaltzustand(Qt::NoModifier, Qt::LeftButton | Qt::MiddleButton), uint8_t{8 | 32});
  QCOMPARE(Umschaltzustand(Qt::NoModifier, Qt::RightButton, true), uint8_t{16 | 64});
  QCOMPARE(Maustaste(Qt::LeftButton), 0);
  QCOMPARE(Maustaste(Qt::RightButton), 1);
  QCOMPARE(Maustaste(Qt::MiddleButton), 2);
  QCOMPARE(Maustaste(Qt::BackButton), -1);
}

void GrundlagenTest::logischePunkte() {
  // A pixel's centre through the screen's rectangle: pixel 400 of 800 covers logical 800 to 802.
  // A centre on the edge between two rows goes to the upper one, as OpenGL draws it.
  QVERIFY((LogischerPunkt(400, 300, 800, 600) == TPunkt{801, 600}));
  QVERIFY((LogischerPunkt(1234, 567, 1600, 1200) == TPunkt{1234, 567}));
  QVERIFY((LogischerPunkt(1, 1, 640, 480) == TPunkt{3, 3}));
  QVERIFY((LogischerPunkt(639, 479, 640, 480) == TPunkt{1598, 1198}));
  // Outside the client area (a drag beyond the edge) rounded down.
  QVERIFY((LogischerPunkt(-1, -3, 640, 480) == TPunkt{-2, -7}));
  QVERIFY((LogischerPunkt(10, 10, 0, 0) == TPunkt{0, 0}));
  // A wide window: black bars left and right of the screen.
  QVERIFY((LogischerPunkt(240, 0, 1920, 1080) == TPunkt{0, 0}));
  QVERIFY((LogischerPunkt(100, 540, 1920, 1080).x < 0));
}

void GrundlagenTest::radrasten() {
  int32_t summe = 0;
  QCOMPARE(Radrasten(summe, 120), 1);
  QCOMPARE(Radrasten(summe, 360), 3);
  // A trackpad's small steps add up; the rest waits for the next.
  QCOMPARE(Radrasten(summe, 50), 0);
  QCOMPARE(Radrasten(summe, 50), 0);
  QCOMPARE(Radrasten(summe, 50), 1);
  QCOMPARE(summe, 30);
  QCOMPARE(Radrasten(summe, -160), -1);
  QCOMPARE(summe, -10);
  QCOMPARE(Radrasten(summe, INT32_MAX), (1 << 24) / 120);
}

void GrundlagenTest::fensterlage() {
  TTestOrdner o;
  const std::string pfad = o.Datei("Benutzer.ini");
  QVERIFY(!FensterlageLesen(pfad).Gueltig);
  DateiSchreiben(pfad, "[Editor]\nAutor=Anna\n");
  QVERIFY(FensterlageSchreiben(pfad, {true, -20, 35, 1264, 948, true}));
  const TFensterlage l = FensterlageLesen(pfad);
  QVERIFY(l.Gueltig && l.Maximiert);
  QCOMPARE(l.x, -20);
  QCOMPARE(l.y, 35);
  QCOMPARE(l.Breite, 1264);
  QCOMPARE(l.Hoehe, 948);
  QCOMPARE(BenutzerDatenLesen(pfad).Autor, std::string("Anna"));
  // Damaged or absurd values are not used; a strange state is the normal one.
  for (const char* inhalt : {"[Editorfenster]\nLinks=1\nOben=2\nBreite=12x\nHoehe=600\n",
                             "[Editorfenster]\nLinks=1\nOben=2\nBreite=100\nHoehe=600\n",
                             "[Editorfenster]\nLinks=99999999999\nOben=2\nBreite=800\nHoehe=600\n",
                             "[Editorfenster]\nOben=2\nBreite=800\nHoehe=600\n"}) {
    DateiSchreiben(pfad, inhalt);
    QVERIFY2(!FensterlageLesen(pfad).Gueltig, inhalt);
  }
  DateiSchreiben(pfad, "[Editorfenster]\nLinks=1\nOben=2\nBreite=800\nHoehe=600\nMaximiert=ja\n");
  QVERIFY(FensterlageLesen(pfad).Gueltig && !FensterlageLesen(pfad).Maximiert);

  // The first size: 4:3 within 90 % of the screen, frame included; never below the smallest.
  const TFenstergroesse g = Anfangsgroesse({1920, 1080}, {2, 24});
  QCOMPARE(g.Breite, 1264);
  QCOMPARE(g.Hoehe, 948);
  QCOMPARE(Anfangsgroesse({1280, 1024}, {0, 0}).Breite, 1152);
  QCOMPARE(Anfangsgroesse({300, 200}, {0, 0}).Hoehe, FensterMindesthoehe);
}

// Qt's options and file names start the program; only the editor's own options end it at once.
void GrundlagenTest::befehlszeile() {
  const QByteArray sprache = qgetenv("LC_ALL");
  qputenv("LC_ALL", "C");
  const auto antwort = [](std::initializer_list<const char*> argumente, std::string* text) {
    std::vector<const char*> argv{"vandor-editor"};
    argv.insert(argv.end(), argumente);
    std::ostringstream aus, fehler;
    const std::optional<int> ende =
        BefehlszeileBeantworten(static_cast<int>(argv.size()), argv.data(), aus, fehler);
    if (text) *text = aus.str() + fehler.str();
    return ende ? *ende : -1;
  };
  std::string text;
  QCOMPARE(antwort({}, nullptr), -1);
  QCOMPARE(antwort({"Karte.vdz", "-platform", "offscreen", "-style=fusion", "--reverse"}, nullptr),
           -1);
  // The value of a Qt option and everything after "--" are never taken as options.
  QCOMPARE(antwort({"-style", "--help"}, nullptr), -1);
  QCOMPARE(antwort({"--", "-seltsam.vdz", "--version"}, nullptr), -1);
  QCOMPARE(antwort({"Karte.vdz", "--help"}, &text), 0);
  QVERIFY(text.rfind("usage: vandor-editor", 0) == 0);
  QCOMPARE(antwort({"-V"}, &text), 0);
  QCOMPARE(text, std::string("vandor-editor " VANDOR_FASSUNG "\n"));
  QCOMPARE(antwort({"--zoom", "--help"}, &text), 2);
  QVERIFY(text.find("unknown option \"--zoom\"") != std::string::npos);
  QCOMPARE(antwort({"-platformx"}, nullptr), 2);
  qputenv("LC_ALL", "de_DE.UTF-8");
  QCOMPARE(antwort({"-x\033[31m"}, &text), 2);
  QVERIFY(text.find("unbekannte Option \"-x?[31m\"") != std::string::npos);
  qputenv("LC_ALL", sprache);
}

QTEST_APPLESS_MAIN(GrundlagenTest)
#include "grundlagen_test.moc"
