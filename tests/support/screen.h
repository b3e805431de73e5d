#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <cstdlib>

namespace pickwise::testing {

// Runs the window tests on an offscreen screen of a given size (the smallest
// laptop screens are 1366 x 768), since placement depends on it. Call before
// the QApplication is made.
inline void useOffscreenScreen(int width, int height)
{
    const QString path
        = QDir::tempPath() + QStringLiteral("/pickwise-screen-%1x%2.json").arg(width).arg(height);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QStringLiteral("{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, "
                                  "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                                  "\"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                       .arg(width)
                       .arg(height)
                       .toUtf8());
    file.close();
    ::setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toLocal8Bit().constData(), 1);
}

} // namespace pickwise::testing
