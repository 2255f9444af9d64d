#pragma once
// The status message line and the switching of view options.
#include <cstdint>

#include "base/text.h"
#include "editor/programm.h"
#include "editor/umgebung.h"

// How long a message stays visible, in milliseconds.
constexpr uint32_t Meldedauer = 1000;

// Names of the view and behaviour options, [option][language]; the four view options first.
extern const char* const Optionsnamen[6][2];

// Meldung := text (Latin-1), stamped with the current tick count.
void MeldungSetzen(TEditor& e, const TText& text);
// A text of the UI text table in the editor's language, with a and b as its numbers.
void TextMelden(TEditor& e, uint8_t nummer, int32_t a = 0, int32_t b = 0);
// Whether the message line shows Meldung at tick count jetzt (also across a wrap of the count).
bool MeldungSichtbar(const TProgramm& programm, uint32_t jetzt);
// Maps of at least this many cells make a fill or mirroring long work (about a tenth of a
// second and more).
constexpr int64_t LangeArbeitZellen = int64_t{1} << 22;

// Scoped long work of the editor core: the frame is drawn first with "Bitte warten" ("Please
// wait") in the message line, since none is drawn while the work runs, and the window hears of
// its start and end. The message before it comes back unless the work set another.
struct TLangeArbeit {
  explicit TLangeArbeit(TEditor& e);
  ~TLangeArbeit();
  TLangeArbeit(const TLangeArbeit&) = delete;
  TLangeArbeit& operator=(const TLangeArbeit&) = delete;

  TEditor& Editor;
  TText AlteMeldung;
  uint32_t AlteZeit;
};
// Whether work on the editor's whole map counts as long.
bool GanzeKarteLang(const TEditor& e);

// Switches a view option and reports its new state.
void Umschalten(TEditor& e, TAnzeigeOption o);

// Latin-1 lower case (A-Z and the accented capitals).
TText Kleinschreibung(const TText& text);
