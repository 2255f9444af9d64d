// The editor window as desktop hands use it, on a screen with a window manager: real wheel,
// drag and key events from the X server (xdotool), the cell under the pointer before and after,
// the window's size, place and state kept in Benutzer.ini, F11, and a window of another shape.
// Runs at a device pixel ratio of 1 and, as a second test, of 2 (QT_SCALE_FACTOR=2).
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "app/benutzer_ini.h"
#include "app/eingabe.h"
#include "app/fensterlage.h"
#include "app/gl_form.h"
#include "app/haupt_formular.h"
#include "app_test_hilfen.h"
#include "editor/bildbereiche.h"
#include "editor/sicht.h"
#include "model/karte.h"

namespace {

// Both windows over one set of records; the editor window can be made anew in the same folder,
// as the next run of the program would make it.
struct TSitzung {
  TTestOrdner Ordner;
  TProgrammdaten Daten;
  std::unique_ptr<THauptFormular> Dialog;
  std::unique_ptr<TGLForm> Editor;

  TSitzung() {
    Dialog = std::make_unique<THauptFormular>(Daten, Ordner.Pfad());
    Dialog->Hinweis = [](const QString& text) { QFAIL(qPrintable(text)); };
    Dialog->Edit8->setText("100");
    Dialog->Edit9->setText("100");
    NeuesFenster();
    Dialog->show();
  }
  ~TSitzung() {
    Editor.reset();
    Dialog.reset();
  }
  void NeuesFenster() {
    Editor.reset();
    Editor = std::make_unique<TGLForm>(Daten);
    Dialog->EditorFensterSetzen(Editor.get());
  }
  // "Szenario erzeugen", the window on screen and active, its timer off (a tick must not scroll
  // the view between an action and its check).
  bool Oeffnen() {
    Dialog->SpeedButton6->click();
    if (!QTest::qWaitForWindowExposed(Editor.get())) return false;
    Editor->Timer1.stop();
    Editor->requestActivate();
    if (!QTest::qWaitForWindowActive(Editor.get())) return false;
    return Ruhig();
  }
  // Waits until the window manager is done with the window's size and place (the first time
  // the window is placed again once its frame is known).
  bool Ruhig() {
    QRect vorher;
    for (int i = 0; i < 30; ++i) {
      QTest::qWait(150);
      if (Editor->geometry() == vorher) return true;
      vorher = Editor->geometry();
    }
    return false;
  }
  // The logical point and the map cell under a position of the window.
  TPunkt Logisch(QPoint p) const {
    const qreal f = Editor->devicePixelRatio();
    return LogischerPunkt(int(p.x() * f), int(p.y() * f), int(Editor->width() * f),
                          int(Editor->height() * f));
  }
  TPunkt Zelle(QPoint p) const { return Sichtzelle(Daten.Programm, Logisch(p)); }
};

// Runs xdotool with the pointer at position p of the window (X counts device pixels).
void Xdotool(const TGLForm& w, QPoint p, const QStringList& befehle) {
  const QPoint g = w.mapToGlobal(p) * w.devicePixelRatio();
  // A move to where the pointer already is would wait for a movement that never comes.
  QStringList a;
  if (QCursor::pos() * w.devicePixelRatio() != g)
    a = QStringList{"mousemove", "--sync", QString::number(g.x()), QString::number(g.y())};
  a += befehle;
  QCOMPARE(QProcess::execute("xdotool", a), 0);
}

} // namespace

class FensterTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    if (QProcess::execute("xdotool", {"version"}) != 0) QSKIP("xdotool is missing");
  }
  void radZoomtAmZeiger();
  void ziehenVerschiebtDieSicht();
  void fensterMerktSichGroesseLageUndZustand();
  void andereFormTrifftDieGezeichneteZelle();
  void platzAufKeinemSchirm();
};

void FensterTest::radZoomtAmZeiger() {
  TSitzung s;
  QVERIFY(s.Oeffnen());
  TGLForm& w = *s.Editor;
  TProgrammSpiel& ps = s.Daten.Programm.ProgrammSpiel;
  ps.Position = {50, 50};
  const QPoint p(w.width() / 5, w.height() / 3);
  const TPunkt unter = s.Zelle(p);
  // Button 4 is the wheel turned away from the user: one step in, the cell stays put.
  Xdotool(w, p, {"click", "4"});
  QTRY_COMPARE(ps.Zoomstufe, 1);
  QCOMPARE(s.Zelle(p), unter);
  Xdotool(w, p, {"click", "--repeat", "3", "--delay", "30", "5"});
  QTRY_COMPARE(ps.Zoomstufe, 4);
  QCOMPARE(s.Zelle(p), unter);
  // The status field names the cell under the pointer.
  QCOMPARE(s.Daten.Programm.Maus.Bereich, uint8_t{bbKarte});
  // Shift and the wheel, or the wheel tilted, scroll across.
  const int32_t x = ps.Position.x;
  Xdotool(w, p, {"keydown", "shift", "click", "4", "keyup", "shift"});
  QTRY_COMPARE(ps.Position.x, x - 3);
  QCOMPARE(ps.Zoomstufe, 4);
  Xdotool(w, p, {"click", "7"});
  QTRY_COMPARE(ps.Position.x, x);
  // The font follows the screen's density.
  QTRY_COMPARE(w.Grafik.Schrifthoehe, qRound(16 * w.devicePixelRatio()));
}

void FensterTest::ziehenVerschiebtDieSicht() {
  TSitzung s;
  QVERIFY(s.Oeffnen());
  TGLForm& w = *s.Editor;
  TProgrammSpiel& ps = s.Daten.Programm.ProgrammSpiel;
  ps.Position = {50, 50};
  ps.Gelaende = 7;
  const QPoint a(w.width() / 4, w.height() / 4), b(w.width() / 2, w.height() * 2 / 3);
  const TPunkt gegriffen = s.Zelle(a);
  Xdotool(w, a, {"mousedown", "2"});
  Xdotool(w, b, {"mouseup", "2"});
  QTRY_COMPARE(s.Zelle(b), gegriffen);
  QVERIFY(!(ps.Position == TPunkt{50, 50}));
  // Space and the left button: the same, and nothing is painted.
  const TPunkt zweite = s.Zelle(b);
  const QPoint c(w.width() / 5, w.height() / 2);
  Xdotool(w, b, {"keydown", "space", "mousedown", "1"});
  Xdotool(w, c, {"mouseup", "1", "keyup", "space"});
  QTRY_COMPARE(s.Zelle(c), zweite);
  int gemalt = 0;
  for (int32_t x = 0; x < 100; ++x)
    for (int32_t y = 0; y < 100; ++y)
      gemalt += Gelaende(s.Daten.KV.Karte, x, y) == 7;
  QCOMPARE(gemalt, 0);
  // Without Space the left button paints again.
  Xdotool(w, c, {"click", "1"});
  const TPunkt z = s.Zelle(c);
  QTRY_COMPARE(Gelaende(s.Daten.KV.Karte, z.x, z.y), uint8_t{7});
}

void FensterTest::fensterMerktSichGroesseLageUndZustand() {
  TSitzung s;
  QVERIFY(s.Oeffnen());
  TGLForm& w = *s.Editor;
  // The first time: 4:3 inside, as large as 90 % of the screen allows.
  const QRect frei = w.screen()->availableGeometry();
  const QSize aussen = w.frameGeometry().size();
  QVERIFY(aussen.width() <= frei.width() * 9 / 10 && aussen.height() <= frei.height() * 9 / 10);
  QVERIFY(aussen.width() >= frei.width() * 9 / 10 - 2 ||
          aussen.height() >= frei.height() * 9 / 10 - 2);
  QVERIFY(qAbs(w.width() * 3 - w.height() * 4) <= 4);
  QVERIFY(frei.contains(w.frameGeometry()));
  // Moved and resized by the user, closed: the next run opens it there, other keys kept.
  const QRect neu(frei.x() + 60, frei.y() + 80, 700, 500);
  w.setGeometry(neu);
  QTRY_COMPARE(w.geometry(), neu);
  QVERIFY(s.Ruhig());
  w.close();
  const std::string ini = BenutzerIniPfad(s.Daten.Programm.Pfad);
  const TFensterlage l = FensterlageLesen(ini);
  QVERIFY(l.Gueltig && !l.Maximiert);
  QCOMPARE(QRect(l.x, l.y, l.Breite, l.Hoehe), neu);
  s.NeuesFenster();
  QVERIFY(s.Oeffnen());
  QTRY_COMPARE(s.Editor->geometry(), neu);
  // Maximised, then F11 and back: closed maximised, it opens maximised, and unmaximised it
  // has its own size again.
  s.Editor->showMaximized();
  QTRY_VERIFY(s.Editor->windowStates().testFlag(Qt::WindowMaximized));
  QTest::keyClick(s.Editor.get(), Qt::Key_F11);
  QTRY_VERIFY(s.Editor->windowStates().testFlag(Qt::WindowFullScreen));
  QTRY_COMPARE(s.Editor->frameGeometry().size(), s.Editor->screen()->geometry().size());
  QTest::keyClick(s.Editor.get(), Qt::Key_F11);
  QTRY_VERIFY(s.Editor->windowStates() == Qt::WindowMaximized);
  s.Editor->close();
  QVERIFY(FensterlageLesen(ini).Maximiert);
  QCOMPARE(FensterlageLesen(ini).Breite, neu.width());
  s.NeuesFenster();
  QVERIFY(s.Oeffnen());
  QTRY_VERIFY(s.Editor->windowStates().testFlag(Qt::WindowMaximized));
  s.Editor->showNormal();
  QTRY_COMPARE(s.Editor->geometry().size(), neu.size());
}

void FensterTest::andereFormTrifftDieGezeichneteZelle() {
  TSitzung s;
  QVERIFY(s.Oeffnen());
  TGLForm& w = *s.Editor;
  TProgrammSpiel& ps = s.Daten.Programm.ProgrammSpiel;
  ps.Position = {50, 50};
  ps.Gelaende = 7;
  w.resize(1200, 500);
  QTRY_COMPARE(w.size(), QSize(1200, 500));
  QVERIFY(s.Ruhig());
  // The screen stands in the middle, 667 wide: a click in the black bar left of it hits nothing.
  Xdotool(w, QPoint(100, 250), {"click", "1"});
  QTRY_VERIFY(s.Daten.Programm.Klicks[0][0].Ort.x < 0);
  QCOMPARE(s.Daten.Programm.Klicks[0][0].Bereich, uint8_t{bbKeiner});
  // A click on the map paints the cell drawn there: its pixels turn the terrain's colour.
  const QPoint p(w.width() / 2 - 120, w.height() / 2);
  const TPunkt z = s.Zelle(p);
  Xdotool(w, p, {"click", "1"});
  QTRY_COMPARE(Gelaende(s.Daten.KV.Karte, z.x, z.y), uint8_t{7});
  QCOMPARE(s.Daten.Programm.Klicks[0][0].Ort, s.Logisch(p));
  // Cells are square: a cell's width in pixels equals its height.
  const QImage bild = w.Bildschirmfoto();
  const qreal f = w.devicePixelRatio();
  const TBildlage l = Bildlage(bild.width(), bild.height());
  QVERIFY(qAbs(l.Breite * 3 - l.Hoehe * 4) <= 4);
  QCOMPARE(bild.pixelColor(int(100 * f), int(250 * f)), QColor(Qt::black));
}

void FensterTest::platzAufKeinemSchirm() {
  // Kept on a monitor that is gone: the window opens at its first size on this screen.
  TSitzung s;
  DateiSchreiben(BenutzerIniPfad(s.Daten.Programm.Pfad),
                 "[Editorfenster]\nLinks=50000\nOben=40\nBreite=700\nHoehe=500\nMaximiert=0\n");
  QVERIFY(s.Oeffnen());
  const QRect frei = s.Editor->screen()->availableGeometry();
  QVERIFY(frei.contains(s.Editor->frameGeometry()));
  QVERIFY(s.Editor->size() != QSize(700, 500));
  QVERIFY(qAbs(s.Editor->width() * 3 - s.Editor->height() * 4) <= 4);
}

QTEST_MAIN(FensterTest)
#include "fenster_test.moc"
