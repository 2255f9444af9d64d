#pragma once
// Long work the user starts (a fill or mirroring on a large map, loading, saving, building a
// map, the preview): the busy cursor while it runs, and the input that piled up meanwhile is
// dropped afterwards instead of replaying as a burst of presses.

// The busy cursor on (pairs with WartecursorAus).
void WartecursorAn();
// The busy cursor off; the input that piled up is dropped when the outermost open frame ends.
void WartecursorAus();

// Scoped busy cursor.
struct TWarten {
  TWarten() { WartecursorAn(); }
  ~TWarten() { WartecursorAus(); }
  TWarten(const TWarten&) = delete;
  TWarten& operator=(const TWarten&) = delete;
};

// Scoped frame around the handling of one event or action that may start long work: when the
// outermost frame ends after such work, the pending input events are dropped. Dropping means
// running the pending events once, so it waits until the handler is done with its records.
struct TArbeitsrahmen {
  TArbeitsrahmen();
  ~TArbeitsrahmen();
  TArbeitsrahmen(const TArbeitsrahmen&) = delete;
  TArbeitsrahmen& operator=(const TArbeitsrahmen&) = delete;
};
