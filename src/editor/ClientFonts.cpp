#include "ClientFonts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

void substituteClientFonts()
{
    const QStringList cjkFaces{u"WenQuanYi Micro Hei"_s, u"Droid Sans Fallback"_s,
                               u"Noto Sans CJK SC"_s};
    QFont::insertSubstitutions(u"微软雅黑"_s, cjkFaces);
    QFont::insertSubstitutions(u"Microsoft Sans Serif"_s,
                               QStringList{u"DejaVu Sans"_s} + cjkFaces);
    QFont::insertSubstitutions(u"Arial"_s, QStringList{u"Liberation Sans"_s, u"DejaVu Sans"_s});
}

QFont measuringFont()
{
    QFont font(u"微软雅黑"_s);
    font.setPixelSize(12);
    return font;
}
