#pragma once

#include <QByteArray>
#include <QString>

// Writing to the disk, shared by the journal, the key file, the drawn list and the settings:
// whole writes, flushes, and the replacement of a small file that never leaves it shorter or
// older than it was.
//
// Two test hooks act on every write and flush made here (the fault tests and the benchmarks
// set them; an operator never does):
//   QUINTARO_SCHIJFRUIMTE=n    after n more bytes every write fails as on a full disk
//                              (ENOSPC), the write that crosses the limit part-way;
//   QUINTARO_SYNCVERTRAGING=ms every flush takes ms milliseconds longer, as on a slow stick.
namespace Schijf {

// Writes all of `data` to `fd` (at `positie`, or at the descriptor's offset when negative),
// going on after an interrupted or partial write; false with errno set when the system
// refuses (a full disk, a closed descriptor).
bool schrijfAlles(int fd, const QByteArray& data, qint64 positie = -1);
// fdatasync (or fsync with `metGegevens`); false with errno set.
bool synchroniseer(int fd, bool alles = false);

// Replaces the file at `pad` with `inhoud`: a new file beside it, flushed and renamed over the
// old one. Only when the folder takes no new files (no permission, read-only) is an existing
// file written in place, and then so that a failure leaves its old content: the part beyond
// the old end is written first, the rest only once that stood, and a failed write is undone.
// Returns 0, or the errno of the failure (the old file is then as it was).
int bewaar(const QString& pad, const QByteArray& inhoud);

// Whether `fout` (an errno) means the disk or the user's quota is full.
bool isVol(int fout);

// Test hooks, as the environment variables above: -1 is no limit.
void zetRuimte(qint64 bytes);
void zetSyncVertraging(int ms);
// Called after every successful flush, with the descriptor (tests check what was on the disk
// at which moment).
using Waarnemer = void (*)(int fd);
void zetSyncWaarnemer(Waarnemer waarnemer);

} // namespace Schijf
