// The editor window: created hidden with its timer off, opened by the set-up dialog, events
// forwarded into the editor core as key codes and logical points, closing back to the dialog.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QtTest>
#include <csignal>
#include <memory>

#include "app/eingabe.h"
#include "app/gl_form.h"
#include "app/haupt_formular.h"
#include "app_test_hilfen.h"
#include "base/dateien.h"
#include "editor/bildbereiche.h"
#include "editor/sicht.h"
#include "model/karte.h"

namespace {

// Both windows over one set of records, as the program starts them.
struct TFenster {
  TTestOrdner Ordner;
  TProgrammdaten Daten;
  std::unique_ptr<THauptFormular> Dialog;
  std::unique_ptr<TGLForm> Editor;
  int Abfragen = 0;

  // grafik: a folder whose pictures the program folder's "Grafik" gets first.
  explicit TFenster(const QString& grafik = {}) {
    if (!grafik.isEmpty())
      for (const QFileInfo& datei : QDir(grafik).entryInfoList(QDir::Files))
        QFile::copy(datei.filePath(),
                    QString::fromStdString(Ordner.Datei("Grafik/")) + datei.fileName());
    Dialog = std::make_unique<THauptFormular>(Daten, Ordner.Pfad());
    Editor = std::make_unique<TGLForm>(Daten);
    Dialog->EditorFensterSetzen(Editor.get());
    Dialog->Hinweis = [](const QString& text) { QFAIL(qPrintable(text)); };
    Dialog->Eingabe = [this](const QString&, const QString&, QString&) {
      ++Abfragen;
      return true;
    };
    Dialog->show();
  }
  ~TFenster() {
    Editor.reset();
    Dialog.reset();
  }
  // "Szenario erzeugen" and wait until the editor window is on screen. The mouse goes to the
  // middle of the window and, unless the test is about the timer, the timer stops: a tick must
  // not scroll the view between a test's action and its check.
  bool Oeffnen(bool mitTakt = false) {
    Dialog->SpeedButton6->click();
    if (!QTest::qWaitForWindowExposed(Editor.get())) return false;
    if (!mitTakt) Editor->Timer1.stop();
    const QPoint mitte(Editor->width() / 2, Editor->height() / 2);
    QCursor::setPos(Editor->mapToGlobal(mitte));
    QTest::mouseMove(Editor.get(), mitte);
    Daten.Programm.Maus.Ort =
        LogischerPunkt(mitte.x(), mitte.y(), Editor->width(), Editor->height());
    return true;
  }
};

} // namespace

class EditorTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void erzeugtVerstecktOhneTakt();
  void oeffnenUndSchliessen();
  void klickErreichtKern();
  void tasteErreichtKern();
  void langeArbeitWartecursorOhneNachzuegler();
  void speichernAusDemEditor();
  void taktZeichnetBilder();
  void signalBeendetDasProgramm();
  void bilderFuerDieDokumentation();
};

void EditorTest::erzeugtVerstecktOhneTakt() {
  TFenster f;
  QVERIFY(!f.Editor->isVisible());
  QVERIFY(!f.Editor->Timer1.isActive());
  QCOMPARE(f.Editor->Timer1.interval(), 200);
  QCOMPARE(f.Editor->title(), QString("Vandor Editor"));
  QVERIFY(f.Editor->format().depthBufferSize() >= 24);
  QCOMPARE(f.Editor->format().profile(), QSurfaceFormat::CompatibilityProfile);
  QVERIFY(f.Editor->Grafik.Ring != nullptr); // the context set-up ran while hidden
}

void EditorTest::oeffnenUndSchliessen() {
  TFenster f;
  QVERIFY(QTest::qWaitForWindowExposed(f.Dialog.get()));
  const QPoint dialogmitte = f.Dialog->windowHandle()->frameGeometry().center();
  QVERIFY(f.Oeffnen(true));
  QVERIFY(f.Dialog->isHidden());
  QVERIFY(f.Editor->isVisible());
  QVERIFY(f.Editor->Timer1.isActive());
  // The largest 4:3 size within 90 % of the screen, frame included.
  const QSize frei = f.Editor->screen()->availableGeometry().size() * 9 / 10;
  const QSize aussen = f.Editor->frameGeometry().size();
  QVERIFY(aussen.width() <= frei.width() && aussen.height() <= frei.height());
  QVERIFY(aussen.width() >= frei.width() - 2 || aussen.height() >= frei.height() - 2);
  QVERIFY(qAbs(f.Editor->width() * 3 - f.Editor->height() * 4) <= 4);
  // Centred on the dialog (a window manager may take a moment to move it there).
  QTRY_VERIFY((f.Editor->frameGeometry().center() - dialogmitte).manhattanLength() <= 2);
  QTRY_VERIFY(f.Daten.Programm.Bildzaehler > 0);
  const uint32_t schrift = f.Editor->Grafik.Schriftbasis;
  const TGLForm* fenster = f.Editor.get();

  f.Editor->close();
  QVERIFY(!f.Editor->isVisible());
  QVERIFY(f.Dialog->isVisible());
  QVERIFY(f.Editor->Timer1.isActive()); // once on, the timer stays on
  // Again, with another map: the same window with the same font.
  f.Dialog->Edit8->setText("12");
  QVERIFY(f.Oeffnen(true));
  QCOMPARE(f.Editor.get(), fenster);
  QCOMPARE(f.Editor->Grafik.Schriftbasis, schrift);
  QCOMPARE(f.Daten.KV.Karte.Breite, 12);
  QCOMPARE(f.Daten.Programm.ProgrammSpiel.Programmfelder.Breite, 12);
  // The in-window menu's close button also goes back to the dialog.
  f.Editor->Umgebung.EditorSchliessen();
  QVERIFY(!f.Editor->isVisible());
  QVERIFY(f.Dialog->isVisible());
}

void EditorTest::klickErreichtKern() {
  TFenster f;
  QVERIFY(f.Oeffnen());
  TGLForm& w = *f.Editor;
  f.Daten.Programm.ProgrammSpiel.Position = {15, 15};
  const QPoint pixel(w.width() / 3, w.height() / 4);
  const TPunkt logisch = LogischerPunkt(pixel.x(), pixel.y(), w.width(), w.height());
  QVERIFY(Bereichsuche(f.Daten.Programm, logisch) == bbKarte);
  const TPunkt zelle = Sichtzelle(f.Daten.Programm, logisch);
  QCOMPARE(Gelaende(f.Daten.KV.Karte, zelle.x, zelle.y), uint8_t{3});

  QTest::mouseClick(&w, Qt::LeftButton, {}, pixel);
  const TMausPunkt& druck = f.Daten.Programm.Klicks[0][1];
  QVERIFY(druck.Ort == logisch);
  QCOMPARE(druck.Bereich, uint8_t{bbKarte});
  QVERIFY(f.Daten.Programm.Klicks[0][0].Ort == logisch);
  // The press painted the cell under it with the paint terrain (terrain 0 at start).
  QCOMPARE(Gelaende(f.Daten.KV.Karte, zelle.x, zelle.y), f.Daten.Programm.ProgrammSpiel.Gelaende);

  // The right button is button 1 of the core; a move is recorded as the current position.
  QTest::mouseClick(&w, Qt::RightButton, {}, QPoint(w.width() - 1, w.height() - 1));
  QVERIFY((f.Daten.Programm.Klicks[1][1].Ort ==
           LogischerPunkt(w.width() - 1, w.height() - 1, w.width(), w.height())));
  QTest::mouseMove(&w, QPoint(w.width() / 2, 2));
  QTRY_VERIFY(
      (f.Daten.Programm.Maus.Ort == LogischerPunkt(w.width() / 2, 2, w.width(), w.height())));
  // The pointer leaves the window over that edge: the timer scrolls no more.
  const TPunkt sicht = f.Daten.Programm.ProgrammSpiel.Position;
  QEvent verlassen(QEvent::Leave);
  QCoreApplication::sendEvent(&w, &verlassen);
  w.Timer1Timer();
  QVERIFY(f.Daten.Programm.ProgrammSpiel.Position == sicht);
}

void EditorTest::tasteErreichtKern() {
  TFenster f;
  QVERIFY(f.Oeffnen());
  TGLForm& w = *f.Editor;
  TProgrammSpiel& ps = f.Daten.Programm.ProgrammSpiel;
  QCOMPARE(ps.Zoomstufe, 2);
  QTest::keyClick(&w, Qt::Key_V);
  QCOMPARE(ps.Zoomstufe, 3);
  QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(ps.Zoomstufe, 1);
  QVERIFY(AnzeigeAn(f.Daten.Programm, aoGitter));
  QTest::keyClick(&w, Qt::Key_G);
  QVERIFY(!AnzeigeAn(f.Daten.Programm, aoGitter));
  QCOMPARE(ps.Speicher.Meldung, std::string("Gitter deaktiviert"));
  // Keypad + is the brush size; the plus of the main keyboard is not.
  QTest::keyClick(&w, Qt::Key_Plus, Qt::KeypadModifier);
  QCOMPARE(ps.Groesse, 1);
  QTest::keyClick(&w, Qt::Key_Plus);
  QCOMPARE(ps.Groesse, 1);
  // A digit stores a memory slot; with Ctrl it restores it.
  QTest::keyClick(&w, Qt::Key_3);
  QVERIFY(ps.Speicher.Belegt[3]);
  const int32_t x = ps.Position.x;
  QTest::keyClick(&w, Qt::Key_Right);
  // Long enough for a tick: with the mouse in a corner, the timer would scroll the view back.
  QTest::qWait(250);
  QCOMPARE(ps.Position.x, x + 1);
}

void EditorTest::langeArbeitWartecursorOhneNachzuegler() {
  // A fill over a map of 2048 x 2048 cells counts as long work.
  TFenster f;
  f.Dialog->Edit8->setText("2048");
  f.Dialog->Edit9->setText("2048");
  QVERIFY(f.Oeffnen());
  TGLForm& w = *f.Editor;
  TProgrammSpiel& ps = f.Daten.Programm.ProgrammSpiel;
  TKarte& karte = f.Daten.KV.Karte;
  ps.Position = {15, 15};
  const QPoint a(w.width() / 3, w.height() / 4), b(w.width() / 3 + 40, w.height() / 4);
  const TPunkt za =
      Sichtzelle(f.Daten.Programm, LogischerPunkt(a.x(), a.y(), w.width(), w.height()));
  const TPunkt zb =
      Sichtzelle(f.Daten.Programm, LogischerPunkt(b.x(), b.y(), w.width(), w.height()));
  QVERIFY(!(za == zb));
  // Cell b is an island the fill at a does not reach; a press there would fill it too.
  const uint8_t grund = Gelaende(karte, za.x, za.y), insel = grund == 7 ? 8 : 7;
  GelaendeSetzen(karte, zb.x, zb.y, insel);
  ps.Werkzeug = wzAusfuellen;
  ps.Groesse = 0;
  ps.Gelaende = grund == 1 || insel == 1 ? 2 : 1;
  ps.Speicher.Meldung = "vorher";

  bool wartecursor = false;
  TText meldung;
  const std::function<void()> beginnt = w.Umgebung.ArbeitBeginnt;
  w.Umgebung.ArbeitBeginnt = [&] {
    beginnt();
    wartecursor = QGuiApplication::overrideCursor() &&
                  QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    meldung = ps.Speicher.Meldung;
    // The user goes on clicking while the fill runs.
    for (QEvent::Type art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
      QCoreApplication::postEvent(&w, new QMouseEvent(art, b, w.mapToGlobal(b), Qt::LeftButton,
                                                      Qt::NoButton, Qt::NoModifier));
  };
  QTest::mouseClick(&w, Qt::LeftButton, {}, a);
  QCoreApplication::processEvents();
  QVERIFY(wartecursor);
  QCOMPARE(meldung, std::string("Bitte warten"));
  QCOMPARE(Gelaende(karte, za.x, za.y), ps.Gelaende);
  QCOMPARE(Gelaende(karte, za.x + 1000, za.y + 1000), ps.Gelaende);
  QCOMPARE(Gelaende(karte, zb.x, zb.y), insel);
  QVERIFY(QGuiApplication::overrideCursor() == nullptr);
  QCOMPARE(ps.Speicher.Meldung, std::string("vorher"));
}

void EditorTest::speichernAusDemEditor() {
  TFenster f;
  QVERIFY(f.Oeffnen());
  QTest::keyClick(f.Editor.get(), Qt::Key_S);
  QCOMPARE(f.Abfragen, 0);
  QTest::keyClick(f.Editor.get(), Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(f.Abfragen, 1);
  QVERIFY(DateiVorhanden(f.Ordner.Datei("Szenario/Szenario.vdz")));
  QVERIFY(f.Editor->isVisible());
}

void EditorTest::taktZeichnetBilder() {
  TFenster f;
  QVERIFY(f.Oeffnen(true));
  const int32_t vorher = f.Daten.Programm.Bildzaehler;
  // Frames at least every 600 ms while nothing happens.
  QTRY_VERIFY_WITH_TIMEOUT(f.Daten.Programm.Bildzaehler >= vorher + 2, 3000);
  const QImage bild = f.Editor->Bildschirmfoto();
  QCOMPARE(bild.size(), f.Editor->size() * f.Editor->devicePixelRatio());
  // The right-hand panel is drawn in its blue-grey.
  const QColor panel = bild.pixelColor(bild.width() - 5, bild.height() / 2 + 37);
  QVERIFY(panel.blue() > panel.red());
}

void EditorTest::signalBeendetDasProgramm() {
  // The real program in a folder of its own (its data folders lie beside it), ended by SIGTERM
  // as a desktop session or a service manager would: it writes its settings and exits normally.
  QTemporaryDir ordner;
  const QString programm = ordner.filePath("vandor-editor");
  QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/vandor-editor", programm));
  QProcess prozess;
  prozess.setProcessChannelMode(QProcess::ForwardedChannels);
  prozess.start(programm, {});
  QVERIFY(prozess.waitForStarted());
  // The folders are made after the signals are routed.
  QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(ordner.filePath("Benutzer")).isDir(), 20000);
  QVERIFY(::kill(static_cast<pid_t>(prozess.processId()), SIGTERM) == 0);
  QVERIFY(prozess.waitForFinished(20000));
  QCOMPARE(prozess.exitStatus(), QProcess::NormalExit);
  QCOMPARE(prozess.exitCode(), 0);
  QCOMPARE(DateiInhalt(ordner.filePath("Benutzer/Benutzer.ini").toStdString()),
           std::string("[Editor]\nAutor=\nEpost=\nHomepage=\n"));
}

void EditorTest::bilderFuerDieDokumentation() {
  // Pictures of both windows for the documentation, when a folder for them is given.
  const QString ordner = qEnvironmentVariable("VANDOR_BILDER");
  if (ordner.isEmpty()) QSKIP("VANDOR_BILDER not set");
  // The default pictures the build puts beside the programs.
  TFenster f(QCoreApplication::applicationDirPath() + "/Grafik");
  f.Dialog->Edit5->setText("Zwei Inseln");
  f.Dialog->Edit6->setText("Anna");
  f.Dialog->RadioButton1->setChecked(true);
  f.Dialog->ComboBox8->setCurrentIndex(1);
  f.Dialog->TabControl1->setCurrentWidget(f.Dialog->TabSheet4);
  QVERIFY(QTest::qWaitForWindowExposed(f.Dialog.get()));
  QVERIFY(f.Dialog->grab().save(ordner + "/dialog.png"));
  QVERIFY(f.Oeffnen());
  f.Daten.Programm.ProgrammSpiel.Position = {15, 15};
  f.Editor->Umgebung.UebersichtAktualisieren({true, {}});
  QTest::qWait(300);
  QVERIFY(f.Editor->Bildschirmfoto().save(ordner + "/editor.png"));
}

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
