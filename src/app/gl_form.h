#pragma once
// The editor window: an OpenGL window over the fixed logical screen of 1600 x 1200 units. It owns
// the context, the font lists and the textures, and forwards every event into the editor core
// or the renderer. It is created hidden with its timer off and lives until the program ends;
// closing it only hides it and shows the set-up dialog again.
#include <QImage>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>
#include <optional>

#include "app/fensterlage.h"
#include "app/programmdaten.h"
#include "editor/umgebung.h"
#include "render/grafik.h"

class QOpenGLContext;

class TGLForm : public QWindow {
  Q_OBJECT

public:
  // Makes the context (compatibility profile, double-buffered RGBA, 24-bit depth), the font and
  // the textures of the eight base graphics. Throws std::runtime_error when no OpenGL context
  // can be made.
  explicit TGLForm(TProgrammdaten& daten);
  ~TGLForm() override;

  // The three records with this window as the core's surroundings.
  TEditor Editor() { return TEditor{Daten.Programm, Daten.KV, Umgebung}; }

  // Draws one frame at once (nothing while the window is not on screen).
  void BildZeichnen();
  // Brings the overview image up to date; its texture follows with the next frame.
  void UebersichtAktualisieren(const TUebersichtAenderung& aenderung);
  // Loads the graphics of a game definition.
  void SpielGrafikenLaden(uint8_t spiel);
  // Shows the window: the first time as Benutzer.ini keeps it, or else at the largest 4:3 size
  // that fits 90 % of the screen, centred on the given point; later as it was left.
  void Zeigen(std::optional<QPoint> mitte = std::nullopt);
  // F11: full screen on or off (back to the normal or maximised window).
  void VollbildUmschalten();
  // Draws a frame into the back buffer and reads it back (for pictures of the window).
  QImage Bildschirmfoto();
  // The left mouse button as the core sees it right now (tests may put their own in).
  std::function<bool()> LinkeTaste;

  void Timer1Timer();

  TProgrammdaten& Daten;
  TEditorUmgebung Umgebung;
  TGrafik Grafik;
  QTimer Timer1;
  // Called when the window is closed: the set-up dialog shows again.
  std::function<void()> BeimSchliessen;
  // The map's name for the title (the set-up dialog knows it).
  std::function<QString()> Titelname;
  // "Vandor Editor - Name", with " *" while the map has unsaved changes.
  void TitelAktualisieren();
  bool SchriftVorhanden = false;

protected:
  void exposeEvent(QExposeEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;
  void closeEvent(QCloseEvent* ereignis) override;
  bool event(QEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  void keyReleaseEvent(QKeyEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;
  void wheelEvent(QWheelEvent* ereignis) override;
  void moveEvent(QMoveEvent* ereignis) override;
  void focusOutEvent(QFocusEvent* ereignis) override;

private:
  bool KontextAktivieren();
  // The client area in device pixels, as the frame is drawn.
  QSize Geraetegroesse() const;
  // The logical point under a position of the window (device-independent pixels).
  TPunkt Logisch(QPointF position) const;

  // Restores the kept size and place, or the largest 4:3 size centred on Mitte (when given),
  // kept on the screen.
  void Platzieren();
  // Notes the normal size and place (not while maximised or full screen).
  void LageMerken();
  // Writes size, place and state into Benutzer.ini (when the window hides).
  void LageSichern();

  // Wheel turns not yet a whole notch, across and down.
  int32_t RadsummeX = 0;
  int32_t RadsummeY = 0;
  // The size and place as kept in Benutzer.ini and as last seen in the normal state.
  TFensterlage Gemerkt;
  TFensterlage Normallage;
  bool Maximiert = false;            // shown maximised when opened again
  bool VorVollbildMaximiert = false; // the state full screen returns to

  std::unique_ptr<QOpenGLContext> Kontext;
  bool Platziert = false;
  // The window manager's frame is known only once the window is on screen: the first exposure
  // places the window again with it.
  bool RahmenOffen = false;
  std::optional<QPoint> Mitte;
};
