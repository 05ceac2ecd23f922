#pragma once
// The names the editor derives from a picture's file name: the annotation
// file's, the title's and the default label's. An extension ".jpg" counts in
// any letter case, so that marks saved for a picture are always found again.

#include "platform/files.h"

#include <QString>

// Text after dropping, up to 20 times, everything up to and including its first "_".
QString CutToLastPart(const QString &text);

// The picture's name with its first ".Jpg" taken out: the stem of its annotation file.
QString annotationStem(const QString &pictureName);
// Where the annotation file of the stem is saved.
QString annotationSavePath(const QString &dataDir, const QString &stem);
// The picture's annotation file in `dataDir`, found without regard to letter
// case; empty when there is none.
QString findAnnotationFile(const QString &dataDir, const QString &pictureName);

// The editor's title: the text between the last "_" and ".Jpg"; a single
// letter is a section and becomes "Разрез А - А".
QString pictureTitle(const QString &pictureName);
// The label offered for a mark naming the picture: the text between the first
// "_" and ".Jpg", cut to its last part.
QString defaultMarkLabel(const QString &pictureName);
