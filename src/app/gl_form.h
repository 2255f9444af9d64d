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
  // Shows the window; the first time centred on the given point of the screen.
  void Zeigen(std::optional<QPoint> mitte = std::nullopt);
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

private:
  bool KontextAktivieren();
  TPunkt Logisch(const QMouseEvent& ereignis) const;

  // 648 x 514 outside, centred on Mitte (when given).
  void Platzieren();

  std::unique_ptr<QOpenGLContext> Kontext;
  bool Platziert = false;
  // The window manager's frame is known only once the window is on screen: the first exposure
  // places the window again with it.
  bool RahmenOffen = false;
  std::optional<QPoint> Mitte;
};
