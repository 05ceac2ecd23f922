#pragma once
// The names under which pictures enter the workspace, and their copying.

#include <QString>

// The stem of a specification file's name as the browser takes it: the name
// without its last seven characters ("_SP.Dat").
QString browserStem(const QString &specFileName);
// The stem as the picture and editor commands take it: the text before the
// first "_SP", empty when there is none.
QString editorStem(const QString &specFileName);

// False for "." and "..", which name no folder of their own.
bool isFolderStem(const QString &stem);
// picDir + stem + "/"; a stem that would lead out of picDir ("." or "..") is an error.
QString pictureFolder(const QString &picDir, const QString &stem);
// stem + "_" + suffix + ".Jpg"; a suffix holding a path separator is an error.
QString pictureName(const QString &stem, const QString &suffix);

// Copies a chosen picture under its workspace name, never replacing a file;
// a name already taken or a failed copy is an error naming the file.
void copyPicture(const QString &source, const QString &target);
