#pragma once
// The crash-recovery copy: while the map has unsaved changes, a copy of it with the dialog's
// texts goes to "Speicher/Wiederherstellung.vdz" some seconds after the last change and at least
// every few minutes while the changes go on; a clean end removes it. The main thread only takes
// the copy (a copy of the game record shares the map's blocks); a worker thread converts,
// compresses and writes it, atomically as every save. The worker touches nothing but its copy.
#include <array>
#include <cstdint>
#include <functional>
#include <future>
#include <string>

#include "base/text.h"
#include "model/spiel.h"

struct TSicherung {
  std::string Pfad;          // the recovery file
  uint32_t Ruhe = 10000;     // milliseconds after the last change
  uint32_t Abstand = 120000; // at most this long between copies while changes go on
  // The map as last looked at, and since when it has changes that no copy holds.
  TKarte Gesehen;
  uint32_t LetzteAenderung = 0;
  uint32_t ErsteOffene = 0;
  bool Offen = false;
  // The map of the last copy written or being written.
  TKarte Kopiert;
  bool KopiertGueltig = false;
  bool Geschrieben = false; // the file at Pfad is ours
  std::future<bool> Arbeit; // the worker, while it runs
};

// The texts the copy carries (name, author, e-mail, description, home page, date, spare).
using TSicherungstexte = std::array<TText, 7>;

// "Speicher/Wiederherstellung.vdz" below the program folder (ending with "/").
std::string WiederherstellungPfad(const std::string& programmordner);

// One look at the map, from the main thread, jetzt in milliseconds: starts the worker when a copy
// is due and none is under way (texte is asked then only). A map without unsaved changes needs
// no copy, and a copy written earlier is removed. Returns whether a copy was started.
bool SicherungTakt(TSicherung& s, const TKV& kv, bool ungesichert, uint32_t jetzt,
                   const std::function<TSicherungstexte()>& texte);
// Waits for a copy under way; whether the last copy was written (false when none was).
bool SicherungAbwarten(TSicherung& s);
// The end of the program: waits for a copy under way, then removes the file when the map has no
// unsaved changes (saved, or nothing to save); otherwise the copy stays for the next start.
void SicherungBeenden(TSicherung& s, bool ungesichert);

// Whether a recovery copy at pfad is worth offering: it exists and is newer than every scenario
// file in the folder ordner (the last clean save of "Letztes" or of a named scenario).
bool SicherungAnbieten(const std::string& pfad, const std::string& szenarioordner);
