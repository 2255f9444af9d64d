#include "app/gl_form.h"

#include <GL/gl.h>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QScreen>
#include <QSurfaceFormat>
#include <QWidget>
#include <QtMath>
#include <chrono>
#include <stdexcept>

#include "app/benutzer_ini.h"
#include "app/eingabe.h"
#include "app/warten.h"
#include "editor/bildbereiche.h"
#include "editor/maus.h"
#include "editor/sichtsteuerung.h"
#include "editor/tasten.h"
#include "editor/verlauf.h"
#include "editor/zeitgeber.h"
#include "render/bild.h"
#include "render/grafikgruppen.h"
#include "render/uebersicht.h"

namespace {

QSurfaceFormat Bildformat() {
  QSurfaceFormat f;
  f.setRenderableType(QSurfaceFormat::OpenGL);
  f.setProfile(QSurfaceFormat::CompatibilityProfile);
  f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  f.setRedBufferSize(8);
  f.setGreenBufferSize(8);
  f.setBlueBufferSize(8);
  f.setAlphaBufferSize(8);
  f.setDepthBufferSize(24);
  f.setStencilBufferSize(0);
  return f;
}

uint32_t Tickzahl() {
  using namespace std::chrono;
  return static_cast<uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

TGLForm::TGLForm(TProgrammdaten& daten) : Daten(daten) {
  setSurfaceType(QSurface::OpenGLSurface);
  setFormat(Bildformat());
  setTitle("Vandor Editor");
  // The size it opens at follows the screen (Zeigen).
  resize(640, 480);
  setMinimumSize(QSize(FensterMindestbreite, FensterMindesthoehe));
  create();

  Kontext = std::make_unique<QOpenGLContext>();
  Kontext->setFormat(Bildformat());
  if (!Kontext->create() || !Kontext->makeCurrent(this))
    throw std::runtime_error("no OpenGL context for the editor window");

  SchriftVorhanden = GrafikEinrichten(Grafik, Grafikordner(Daten.Programm.Pfad), "Georgia",
                                      Daten.Programm.Grafikvorrat);

  LinkeTaste = [] { return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton); };
  Umgebung.BildZeichnen = [this] { BildZeichnen(); };
  Umgebung.UebersichtAktualisieren = [this](const TUebersichtAenderung& a) {
    UebersichtAktualisieren(a);
  };
  Umgebung.EditorSchliessen = [this] { close(); };
  Umgebung.Tickzahl = [] { return Tickzahl(); };
  Umgebung.LinkeTasteGedrueckt = [this] { return LinkeTaste && LinkeTaste(); };
  Umgebung.MittlereTasteGedrueckt = [] {
    return QGuiApplication::mouseButtons().testFlag(Qt::MiddleButton);
  };
  Umgebung.ArbeitBeginnt = [] { WartecursorAn(); };
  Umgebung.ArbeitEndet = [] { WartecursorAus(); };

  Timer1.setInterval(Zeitgeberintervall);
  QObject::connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

TGLForm::~TGLForm() {
  Timer1.stop();
  if (Kontext && KontextAktivieren()) GrafikAufloesen(Grafik);
  if (Kontext) Kontext->doneCurrent();
}

bool TGLForm::KontextAktivieren() {
  return Kontext->makeCurrent(this);
}

QSize TGLForm::Geraetegroesse() const {
  const qreal faktor = devicePixelRatio();
  return {static_cast<int32_t>(width() * faktor), static_cast<int32_t>(height() * faktor)};
}

void TGLForm::BildZeichnen() {
  if (!isExposed() || !KontextAktivieren()) return;
  // Text at the density of the screen: sharp, and as large as on a plain screen.
  SchriftAnpassen(Grafik, qRound(16 * devicePixelRatio()));
  Grafik.Breite = Geraetegroesse().width();
  Grafik.Hoehe = Geraetegroesse().height();
  UebersichtHochladen(Grafik.Uebersicht);
  ::BildZeichnen(Grafik, Daten.Programm, Daten.KV, Tickzahl());
  Kontext->swapBuffers(this);
}

QImage TGLForm::Bildschirmfoto() {
  if (!KontextAktivieren()) return {};
  SchriftAnpassen(Grafik, qRound(16 * devicePixelRatio()));
  Grafik.Breite = Geraetegroesse().width();
  Grafik.Hoehe = Geraetegroesse().height();
  UebersichtHochladen(Grafik.Uebersicht);
  ::BildZeichnen(Grafik, Daten.Programm, Daten.KV, Tickzahl());
  glFinish();
  QImage bild(Grafik.Breite, Grafik.Hoehe, QImage::Format_RGBA8888);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, Grafik.Breite, Grafik.Hoehe, GL_RGBA, GL_UNSIGNED_BYTE, bild.bits());
  // OpenGL counts rows from the bottom.
  return bild.mirrored(false, true);
}

void TGLForm::UebersichtAktualisieren(const TUebersichtAenderung& aenderung) {
  ::UebersichtAktualisieren(Grafik.Uebersicht, Daten.Programm, Daten.KV, aenderung);
}

void TGLForm::SpielGrafikenLaden(uint8_t spiel) {
  if (KontextAktivieren())
    ::SpielGrafikenLaden(Grafik, Grafikordner(Daten.Programm.Pfad), spiel,
                         Daten.Programm.Grafikvorrat);
}

void TGLForm::Zeigen(std::optional<QPoint> mitte) {
  if (!Platziert) {
    Platziert = true;
    Mitte = mitte;
    Gemerkt = FensterlageLesen(BenutzerIniPfad(Daten.Programm.Pfad));
    Maximiert = Gemerkt.Gueltig && Gemerkt.Maximiert;
    // A place of its own needs no frame; a centred one is placed again once the frame is known.
    RahmenOffen = !Gemerkt.Gueltig;
    Platzieren();
  }
  if (Maximiert)
    showMaximized();
  else
    show();
  requestActivate();
}

namespace {

// The title bar's strip of a client area lies on some screen, where the user can take hold of it.
bool Erreichbar(const QRect& r) {
  for (const QScreen* schirm : QGuiApplication::screens()) {
    const QRect teil =
        QRect(r.x(), r.y() - 20, r.width(), 40).intersected(schirm->availableGeometry());
    if (teil.width() >= 100 && teil.height() >= 20) return true;
  }
  return false;
}

} // namespace

void TGLForm::Platzieren() {
  QScreen* schirm = Mitte ? QGuiApplication::screenAt(*Mitte) : nullptr;
  if (!schirm) schirm = screen();
  const QRect frei = schirm ? schirm->availableGeometry() : QRect(0, 0, 1600, 1200);
  const QMargins rahmen = frameMargins();
  const int32_t rb = rahmen.left() + rahmen.right(), rh = rahmen.top() + rahmen.bottom();
  if (Gemerkt.Gueltig) {
    QRect r(Gemerkt.x, Gemerkt.y, Gemerkt.Breite, Gemerkt.Hoehe);
    if (Erreichbar(r)) {
      // A screen that became smaller still shows the whole window.
      const QScreen* dort = QGuiApplication::screenAt(r.topLeft());
      const QRect platz = dort ? dort->availableGeometry() : frei;
      r.setWidth(std::min(r.width(), std::max(FensterMindestbreite, platz.width() - rb)));
      r.setHeight(std::min(r.height(), std::max(FensterMindesthoehe, platz.height() - rh)));
      setGeometry(r);
      Normallage = {true, r.x(), r.y(), r.width(), r.height(), false};
      return;
    }
    // On no screen any more (a monitor that is gone): the first size, placed once the frame
    // is known.
    Gemerkt.Gueltig = false;
    RahmenOffen = true;
  }
  const TFenstergroesse g = Anfangsgroesse({frei.width(), frei.height()}, {rb, rh});
  resize(g.Breite, g.Hoehe);
  // Centred on the given point, or on the screen, and kept on it.
  QRect aussen(0, 0, g.Breite + rb, g.Hoehe + rh);
  aussen.moveCenter(Mitte ? *Mitte : frei.center());
  if (aussen.right() > frei.right()) aussen.moveRight(frei.right());
  if (aussen.bottom() > frei.bottom()) aussen.moveBottom(frei.bottom());
  if (aussen.left() < frei.left()) aussen.moveLeft(frei.left());
  if (aussen.top() < frei.top()) aussen.moveTop(frei.top());
  setFramePosition(aussen.topLeft());
}

void TGLForm::LageMerken() {
  if (!isVisible() || windowStates() != Qt::WindowNoState) return;
  // A window manager may report the maximised size before the maximised state.
  const QScreen* schirm = screen();
  if (schirm) {
    const QSize frei = schirm->availableGeometry().size(), aussen = frameGeometry().size();
    if (aussen.width() >= frei.width() && aussen.height() >= frei.height()) return;
  }
  const QRect r = geometry();
  Normallage = {true, r.x(), r.y(), r.width(), r.height(), false};
}

void TGLForm::LageSichern() {
  if (!Platziert) return;
  const Qt::WindowStates zustand = windowStates();
  Maximiert = zustand.testFlag(Qt::WindowMaximized) ||
              (zustand.testFlag(Qt::WindowFullScreen) && VorVollbildMaximiert);
  // The last resize may not have been reported yet.
  if (zustand == Qt::WindowNoState) LageMerken();
  if (!Normallage.Gueltig) return;
  TFensterlage lage = Normallage;
  lage.Maximiert = Maximiert;
  // Not kept is no harm: the window opens at its first size next time.
  FensterlageSchreiben(BenutzerIniPfad(Daten.Programm.Pfad), lage);
}

void TGLForm::VollbildUmschalten() {
  const Qt::WindowStates zustand = windowStates();
  if (zustand.testFlag(Qt::WindowFullScreen)) {
    if (VorVollbildMaximiert)
      showMaximized();
    else
      showNormal();
  } else {
    VorVollbildMaximiert = zustand.testFlag(Qt::WindowMaximized);
    showFullScreen();
  }
}

void TGLForm::Timer1Timer() {
  TEditor e = Editor();
  Zeittakt(e);
}

void TGLForm::TitelAktualisieren() {
  QString titel = "Vandor Editor";
  const QString name = Titelname ? Titelname() : QString();
  if (!name.isEmpty()) titel += " - " + name;
  if (UngesicherteAenderungen(Daten.Programm, Daten.KV)) titel += " *";
  if (title() != titel) setTitle(titel);
}

void TGLForm::exposeEvent(QExposeEvent*) {
  if (!isExposed()) return;
  if (RahmenOffen) {
    RahmenOffen = false;
    if (!frameMargins().isNull() && windowStates() == Qt::WindowNoState) Platzieren();
  }
  BildZeichnen();
}

void TGLForm::resizeEvent(QResizeEvent*) {
  LageMerken();
  BildZeichnen();
}

void TGLForm::moveEvent(QMoveEvent*) {
  LageMerken();
}

void TGLForm::focusOutEvent(QFocusEvent*) {
  // The release of a key held while another window takes the keyboard never arrives here.
  Daten.Programm.Verschiebung.Leertaste = false;
}

bool TGLForm::event(QEvent* ereignis) {
  if (ereignis->type() == QEvent::UpdateRequest) {
    BildZeichnen();
    return true;
  }
  if (ereignis->type() == QEvent::Leave) {
    // The last position stays at an edge once the pointer has left: the timer would scroll on.
    Daten.Programm.Maus.Ort = {Bildschirmbreite / 2, Bildschirmhoehe / 2};
    Daten.Programm.Maus.Bereich = 0;
  }
  if (ereignis->type() == QEvent::Hide) LageSichern();
  // Input that piled up during long work this event started is dropped once it is handled.
  TArbeitsrahmen rahmen;
  const bool behandelt = QWindow::event(ereignis);
  switch (ereignis->type()) {
  case QEvent::KeyPress:
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonRelease:
    TitelAktualisieren();
    break;
  default:
    break;
  }
  return behandelt;
}

void TGLForm::closeEvent(QCloseEvent* ereignis) {
  // The window stays with its context, font and textures; it only hides. A stroke held while
  // it closes ends here.
  TEditor e = Editor();
  AktionBeenden(e);
  ereignis->ignore();
  hide();
  if (BeimSchliessen) BeimSchliessen();
}

void TGLForm::keyPressEvent(QKeyEvent* ereignis) {
  if (ereignis->key() == Qt::Key_F11 && !ereignis->isAutoRepeat()) {
    VollbildUmschalten();
    return;
  }
  TEditor e = Editor();
  Tastendruck(
      e, true,
      VirtuellerTastencode(ereignis->key(), ereignis->modifiers(), ereignis->nativeScanCode()),
      Umschaltzustand(ereignis->modifiers(), QGuiApplication::mouseButtons()));
}

void TGLForm::keyReleaseEvent(QKeyEvent* ereignis) {
  // A held key repeats its press only, as on the system the key codes come from.
  if (ereignis->isAutoRepeat()) return;
  TEditor e = Editor();
  Tastendruck(
      e, false,
      VirtuellerTastencode(ereignis->key(), ereignis->modifiers(), ereignis->nativeScanCode()),
      Umschaltzustand(ereignis->modifiers(), QGuiApplication::mouseButtons()));
}

TPunkt TGLForm::Logisch(QPointF position) const {
  // The pixel of the frame under the pointer: at a pixel ratio of 2 a position may fall on half
  // a point.
  const qreal faktor = devicePixelRatio();
  const QSize g = Geraetegroesse();
  return LogischerPunkt(qFloor(position.x() * faktor), qFloor(position.y() * faktor), g.width(),
                        g.height());
}

void TGLForm::mousePressEvent(QMouseEvent* ereignis) {
  const int32_t taste = Maustaste(ereignis->button());
  if (taste < 0) return;
  TEditor e = Editor();
  Mausklick(e, Logisch(ereignis->position()), taste, true);
}

void TGLForm::mouseReleaseEvent(QMouseEvent* ereignis) {
  const int32_t taste = Maustaste(ereignis->button());
  if (taste < 0) return;
  TEditor e = Editor();
  Mausklick(e, Logisch(ereignis->position()), taste, false);
}

void TGLForm::mouseMoveEvent(QMouseEvent* ereignis) {
  TEditor e = Editor();
  Mausbewegung(e, Logisch(ereignis->position()));
}

void TGLForm::wheelEvent(QWheelEvent* ereignis) {
  // Mouse wheels report eighths of a degree; where a trackpad reports pixels only, 15 pixels
  // count as a notch.
  QPoint delta = ereignis->angleDelta();
  if (delta.isNull()) delta = ereignis->pixelDelta() * (Radeinheiten / 15);
  const int32_t ab = Radrasten(RadsummeY, delta.y());
  const int32_t quer = Radrasten(RadsummeX, delta.x());
  const TPunkt p = Logisch(ereignis->position());
  const uint8_t umschalt = Umschaltzustand(ereignis->modifiers(), ereignis->buttons());
  TEditor e = Editor();
  if (ab != 0) Mausrad(e, p, ab, umschalt);
  if (quer != 0) Mausrad(e, p, quer, umschalt, true);
  ereignis->accept();
}
