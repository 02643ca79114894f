#include "cards.h"

namespace vorpo {

std::string CardText(int card) {
  std::string text(3, '0');
  text[0] = static_cast<char>('0' + card / 100 % 10);
  text[1] = static_cast<char>('0' + card / 10 % 10);
  text[2] = static_cast<char>('0' + card % 10);
  return text;
}

}  // namespace vorpo
