#include "app/gl_form.h"

#include <GL/gl.h>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWidget>
#include <QtMath>
#include <chrono>
#include <stdexcept>

#include "app/eingabe.h"
#include "app/warten.h"
#include "editor/bildbereiche.h"
#include "editor/maus.h"
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
  // 648 x 514 outside; the frame is known only once shown (Zeigen adjusts).
  resize(648, 514);
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

void TGLForm::BildZeichnen() {
  if (!isExposed() || !KontextAktivieren()) return;
  const qreal faktor = devicePixelRatio();
  Grafik.Breite = static_cast<int32_t>(width() * faktor);
  Grafik.Hoehe = static_cast<int32_t>(height() * faktor);
  UebersichtHochladen(Grafik.Uebersicht);
  ::BildZeichnen(Grafik, Daten.Programm, Daten.KV, Tickzahl());
  Kontext->swapBuffers(this);
}

QImage TGLForm::Bildschirmfoto() {
  if (!KontextAktivieren()) return {};
  const qreal faktor = devicePixelRatio();
  Grafik.Breite = static_cast<int32_t>(width() * faktor);
  Grafik.Hoehe = static_cast<int32_t>(height() * faktor);
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
  show();
  if (!Platziert) {
    Platziert = true;
    RahmenOffen = true;
    Mitte = mitte;
    Platzieren();
  }
  requestActivate();
}

void TGLForm::Platzieren() {
  // The outer size includes the frame the window manager draws.
  const QMargins rahmen = frameMargins();
  resize(648 - rahmen.left() - rahmen.right(), 514 - rahmen.top() - rahmen.bottom());
  if (Mitte) {
    const QRect aussen = frameGeometry();
    setFramePosition(*Mitte - QPoint(aussen.width() / 2, aussen.height() / 2));
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
    if (!frameMargins().isNull()) Platzieren();
  }
  BildZeichnen();
}

void TGLForm::resizeEvent(QResizeEvent*) {
  BildZeichnen();
}

bool TGLForm::event(QEvent* ereignis) {
  if (ereignis->type() == QEvent::UpdateRequest) {
    BildZeichnen();
    return true;
  }
  if (ereignis->type() == QEvent::Leave) {
    // The last position stays at an edge once the pointer has left: the timer would scroll on.
    Daten.Programm.Maus.Ort = {Bildschirmbreite / 2, Bildschirmhoehe / 2};
  }
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

TPunkt TGLForm::Logisch(const QMouseEvent& ereignis) const {
  const QPointF p = ereignis.position();
  return LogischerPunkt(qFloor(p.x()), qFloor(p.y()), width(), height());
}

void TGLForm::mousePressEvent(QMouseEvent* ereignis) {
  const int32_t taste = Maustaste(ereignis->button());
  if (taste < 0) return;
  TEditor e = Editor();
  Mausklick(e, Logisch(*ereignis), taste, true);
}

void TGLForm::mouseReleaseEvent(QMouseEvent* ereignis) {
  const int32_t taste = Maustaste(ereignis->button());
  if (taste < 0) return;
  TEditor e = Editor();
  Mausklick(e, Logisch(*ereignis), taste, false);
}

void TGLForm::mouseMoveEvent(QMouseEvent* ereignis) {
  TEditor e = Editor();
  Mausbewegung(e, Logisch(*ereignis));
}
