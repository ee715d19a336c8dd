#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace vn {

class DriveMap;

// Starts a program with its arguments, no shell between them; true when it started.
using StartProgram = std::function<bool(const QString& program, const QStringList& arguments)>;
bool startDetached(const QString& program, const QStringList& arguments);

// Hands a file to the desktop's own application for it; true when the desktop took it.
using OpenOnDesktop = std::function<bool(const QString& path)>;

// The program the "WordProcessor" setting names when it is an executable file: a path (drive
// letters resolved through the map) or a name found on the PATH; empty otherwise.
QString wordProcessorProgram(const QString& setting, const DriveMap& drives);

// "Open Word Processor": the program, when there is one, gets the file's full path as its one
// argument; without one the desktop opens the file. False when nothing could be started.
bool openInWordProcessor(const QString& program, const QString& path, const StartProgram& start,
                         const OpenOnDesktop& openOnDesktop);

}  // namespace vn
