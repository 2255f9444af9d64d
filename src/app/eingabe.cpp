#include "app/eingabe.h"

#include <algorithm>

#include "editor/bildbereiche.h"
#include "editor/bildlage.h"

namespace {

// Windows virtual-key codes of the keys that are not letters or digits.
struct TTastenpaar {
  int Qt;
  uint16_t Code;
};

constexpr TTastenpaar Sondertasten[] = {
    {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},     {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},    {Qt::Key_Alt, 18},      {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},      {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},      {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},        {Qt::Key_Home, 36},     {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},         {Qt::Key_Right, 39},    {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},      {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},       {Qt::Key_Menu, 93},     {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}};

// Keypad keys other than the digits; the cursor keys of the keypad stay cursor keys.
constexpr TTastenpaar Zahlenblock[] = {{Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},
                                       {Qt::Key_Minus, 109},    {Qt::Key_Period, 110},
                                       {Qt::Key_Comma, 110},    {Qt::Key_Slash, 111}};

// Punctuation of the main keyboard (US positions, as Windows names them).
constexpr TTastenpaar Satzzeichen[] = {
    {Qt::Key_Semicolon, 186}, {Qt::Key_Plus, 187},         {Qt::Key_Equal, 187},
    {Qt::Key_Comma, 188},     {Qt::Key_Minus, 189},        {Qt::Key_Period, 190},
    {Qt::Key_Slash, 191},     {Qt::Key_QuoteLeft, 192},    {Qt::Key_BracketLeft, 219},
    {Qt::Key_Backslash, 220}, {Qt::Key_BracketRight, 221}, {Qt::Key_Apostrophe, 222}};

template <std::size_t N> uint16_t Suchen(const TTastenpaar (&tabelle)[N], int taste) {
  for (const auto& p : tabelle)
    if (p.Qt == taste) return p.Code;
  return 0;
}

// X11 key codes of the digit row: "1" ... "9" are 10 ... 18, "0" is 19.
constexpr uint32_t ScancodeEins = 10;
constexpr uint32_t ScancodeNull = 19;

} // namespace

uint16_t VirtuellerTastencode(int qtTaste, Qt::KeyboardModifiers modifikatoren, uint32_t scancode) {
  const bool zahlenblock = modifikatoren.testFlag(Qt::KeypadModifier);
  if (zahlenblock) {
    if (qtTaste >= Qt::Key_0 && qtTaste <= Qt::Key_9)
      return static_cast<uint16_t>(96 + (qtTaste - Qt::Key_0));
    if (uint16_t code = Suchen(Zahlenblock, qtTaste)) return code;
  } else {
    if (scancode >= ScancodeEins && scancode <= ScancodeNull)
      return static_cast<uint16_t>(scancode == ScancodeNull ? '0' : '1' + (scancode - 10));
    if (qtTaste >= Qt::Key_0 && qtTaste <= Qt::Key_9)
      return static_cast<uint16_t>('0' + (qtTaste - Qt::Key_0));
  }
  if (qtTaste >= Qt::Key_A && qtTaste <= Qt::Key_Z)
    return static_cast<uint16_t>('A' + (qtTaste - Qt::Key_A));
  if (qtTaste >= Qt::Key_F1 && qtTaste <= Qt::Key_F24)
    return static_cast<uint16_t>(112 + (qtTaste - Qt::Key_F1));
  if (uint16_t code = Suchen(Sondertasten, qtTaste)) return code;
  if (!zahlenblock) return Suchen(Satzzeichen, qtTaste);
  return 0;
}

uint8_t Umschaltzustand(Qt::KeyboardModifiers modifikatoren, Qt::MouseButtons tasten,
                        bool doppelklick) {
  uint8_t z = 0;
  if (modifikatoren.testFlag(Qt::ShiftModifier)) z |= ubShift;
  if (modifikatoren.testFlag(Qt::AltModifier)) z |= ubAlt;
  if (modifikatoren.testFlag(Qt::ControlModifier)) z |= ubStrg;
  if (tasten.testFlag(Qt::LeftButton)) z |= ubLinks;
  if (tasten.testFlag(Qt::RightButton)) z |= ubRechts;
  if (tasten.testFlag(Qt::MiddleButton)) z |= ubMitte;
  if (doppelklick) z |= ubDoppel;
  return z;
}

int32_t Maustaste(Qt::MouseButton taste) {
  switch (taste) {
  case Qt::LeftButton:
    return 0;
  case Qt::RightButton:
    return 1;
  case Qt::MiddleButton:
    return 2;
  default:
    return -1;
  }
}

TPunkt LogischerPunkt(int32_t x, int32_t y, int32_t clientBreite, int32_t clientHoehe) {
  return LogischerPunkt(Bildlage(clientBreite, clientHoehe), x, y);
}

int32_t Radrasten(int32_t& summe, int32_t delta) {
  // A turn of any size (a flood of events, a broken driver) stays within range.
  summe = static_cast<int32_t>(std::clamp<int64_t>(int64_t{summe} + delta, -(1 << 24), 1 << 24));
  const int32_t rasten = summe / Radeinheiten;
  summe -= rasten * Radeinheiten;
  return rasten;
}
