#pragma once

#include <QString>

#include <functional>

// Pictures for screens of twice the density lie beside the named ones as "name@2x.ext", with
// twice as many pixels each way. Built-in and data pictures are chosen by the same rule.
namespace PictureDensity {

// "C:\drill\question\g4_1\q1.gif" -> "C:\drill\question\g4_1\q1@2x.gif"; a dot in a folder
// name is not the extension's.
QString twiceName(const QString &path);

struct Choice
{
    QString file;           // a path of this system
    qreal devicePixelRatio; // to give the picture loaded from it: 2 for the twice file, else 1
};

// Where the window's device pixel ratio is above 1 and the twice file of `path` exists, that
// file; otherwise the named one. `locate` turns a path as formed into a path of this system.
Choice choose(const QString &path, qreal windowRatio,
              const std::function<QString(const QString &)> &locate = [](const QString &p) { return p; });

} // namespace PictureDensity
