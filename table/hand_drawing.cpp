#include "hand_drawing.h"

#include "cards.h"
#include "table_geometry.h"

namespace vorpo {

void DrawHandCards(ImageControl& image, const ImageList& cards, const HandList& hand,
                   bool faceDown) {
  const int n = hand.Count();
  image.Clear();
  image.ResizeTo({HandWidth(n), image.Bounds().height()});
  // Drawn from the last card to the first, so that the first lies on top where they overlap.
  for (int i = n - 1; i >= 0; --i)
    image.DrawCell(cards, faceDown ? kCellBack : ImageCell(hand.At(i)), CardLeft(i, n), 0);
}

void RaiseCard(ImageControl& image, const ImageList& cards, const HandList& hand, int position) {
  image.DrawCell(cards, ImageCell(hand.At(position)), CardLeft(position, hand.Count()), 0);
}

}  // namespace vorpo
