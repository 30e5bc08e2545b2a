#pragma once

#include <QPainter>
#include <QRectF>

// The ten fruits of the picture rollers, one per digit value:
// 0 tomato, 1 apple, 2 mango, 3 banana, 4 two cherries, 5 half kiwi, 6 half lemon,
// 7 peach, 8 pear, 9 strawberry.
enum class Fruit { Tomaat, Appel, Mango, Banaan, Kersen, Kiwi, Citroen, Perzik, Peer, Aardbei };

// Draws fruit `f` into the square `vak`, with a soft shadow under it. `lijnSchaal` thickens
// the outline for small pictures (1 = the roller size).
void tekenFruit(QPainter& p, Fruit f, const QRectF& vak, qreal lijnSchaal = 1.0,
                bool schaduw = true);

// The fruit that stands for a digit value 0-9.
Fruit fruitVoorCijfer(int cijfer);
