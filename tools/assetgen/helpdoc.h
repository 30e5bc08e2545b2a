#pragma once

#include <QString>
#include <QStringList>

// Lays out the user's manual from its HTML source into an A4 PDF with a header and page
// numbers. Pictures named in <img src="name.png"> are looked up in `plaatjesMappen`, in
// order. A part between <!--als:name.png--> and <!--/als--> is kept only when that picture
// exists, so a missing screenshot leaves its section out instead of a broken image.
// Returns the number of pages written, or 0 on failure.
int maakHandleiding(const QString& bron, const QString& pdf, const QStringList& plaatjesMappen);

// The HTML with the conditional parts resolved against the pictures that exist.
QString kiesOnderdelen(QString html, const QStringList& plaatjesMappen);
