#pragma once
// The question at start when the editor ended last time without saving the map it had changed
// (killed, crashed, the machine went down) and left a recovery copy.
#include <QString>
#include <cstdint>

class QWidget;

enum TWiederherstellWahl : uint8_t {
  wwZurueckholen, // open the copy as the current map
  wwVerwerfen     // remove it
};

// A message box in the language (0 German, 1 English); datum tells when the copy was written.
// Escape or closing the box brings the copy back, which loses nothing.
TWiederherstellWahl WiederherstellungFragen(QWidget* eltern, uint8_t sprache, const QString& titel,
                                            const QString& datum);
