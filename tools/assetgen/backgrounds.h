#pragma once

#include <QImage>
#include <QString>

// The background pictures of the program directory: calm, dark scenes on which the pale
// yellow title and the lavender rollers stand out.

constexpr int kAantalAchtergronden = 6;

// Background n (1 .. kAantalAchtergronden) at the given size.
QImage achtergrond(int n, int breedte = 1920, int hoogte = 1080);

// Writes Wallpaper-01.jpg ... into `map`, in parallel.
void maakAchtergronden(const QString& map);
