#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One record of a CSV text: its fields, without the empty ones at its end (a spreadsheet
// program fills every row up to its widest), and the line it starts on.
struct CsvRecord {
    int regel = 0;
    QStringList velden;
};

// Splits a text in the CSV dialect spreadsheet programs write into records, skipping empty
// ones and comment lines (starting with #). The delimiter is the first semicolon, comma or
// tab outside quotes on the first line that holds anything but a comment. A field may be
// quoted with double quotes, "" standing for one inside; a quoted field may hold delimiters
// and line breaks and keeps its spaces, other fields lose them at both ends. Lines end in
// LF, CR LF or CR. Returns 0, or the line where a quote is opened and never closed.
int splitsCsv(const QString& tekst, std::vector<CsvRecord>& records);
