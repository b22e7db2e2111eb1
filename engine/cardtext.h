#pragma once

// Cards written as text, as the command-line tool reads them and the tests write hands:
// a rank 2-9, T or 10, J, Q, K, A followed by a suit h, d, s, c, in either case, or Jk
// for the Joker ("Ah", "10d", "td", "JK"). The codes are those of engine/cards.h.
#include <string>
#include <string_view>

namespace tarvelle {

// The card code a name stands for, or 0 when the text names no card.
int cardCodeFromName(std::string_view name);
// The name of a card code 1..53 as written above, with T for the ten ("Td", "Jk");
// empty for any other number.
std::string cardShortName(int code);

} // namespace tarvelle
