// SPDX-License-Identifier: GPL-3.0-or-later
// drawpictures OUT_DIR
// Draws every built-in picture of the program into OUT_DIR, each at scale 1 and at scale 2
// ("name@2x.ext"). The same run always writes the same bytes, so the committed pictures can be
// regenerated and compared.

#include "DrillPictures.h"
#include "FontPicker.h"
#include "GradePictures.h"
#include "LauncherIcons.h"
#include "MenuPictures.h"
#include "PictureFile.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: drawpictures OUT_DIR\n");
        return 2;
    }
    if (!FontPicker::minchoInstalled()) {
        std::fprintf(stderr, "drawpictures: neither IPAexMincho nor Noto Serif CJK JP is installed\n");
        return 1;
    }
    const QString outDir = args.at(1);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "drawpictures: cannot create %s\n", qPrintable(outDir));
        return 1;
    }

    QList<PictureRecipe> all = drillPictures();
    all += menuPictures();
    all += gradePictures();
    all += launcherIcons();

    int failures = 0;
    qsizetype written = 0;
    for (const PictureRecipe& recipe : all) {
        for (const int scale : {1, 2}) {
            if (scale == 2 && !recipe.drawnAtTwiceDensity)
                continue;
            ++written;
            QString error;
            if (!savePicture(recipe, scale, recipe.draw(scale), outDir, &error)) {
                std::fprintf(stderr, "drawpictures: %s\n", qPrintable(error));
                ++failures;
            }
        }
    }
    std::printf("drawpictures: %lld pictures written to %s\n", written - failures,
                qPrintable(QDir(outDir).absolutePath()));
    return failures ? 1 : 0;
}
