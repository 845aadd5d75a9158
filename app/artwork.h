#pragma once
// The program's pictures, drawn in code so no image files have to be shipped:
// the tool-bar glyphs, the window icon and the product picture of the splash
// window and the About box.

#include <QIcon>
#include <QPixmap>
#include <QString>

enum class ToolGlyph { New, Open, Save, Preview, Print };

QIcon ToolIcon(ToolGlyph glyph);
// A threaded bolt, for the window icon and the About box.
QPixmap ThreadEmblem(int size);
QIcon AppIcon();
// The splash picture: product name, version line and a thread profile.
QPixmap SplashPicture(const QString& product, const QString& version);
