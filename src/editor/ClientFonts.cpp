#include "ClientFonts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

void substituteClientFonts()
{
    const QStringList cjkFaces { u"WenQuanYi Micro Hei"_s, u"Droid Sans Fallback"_s,
                                 u"Noto Sans CJK SC"_s };
    QFont::insertSubstitutions(ClientFace::Dialog, cjkFaces);
    QFont::insertSubstitutions(ClientFace::Sans, QStringList { u"DejaVu Sans"_s } + cjkFaces);
    QFont::insertSubstitutions(ClientFace::Explanation,
                               QStringList { u"Liberation Sans"_s, u"DejaVu Sans"_s });
}

QFont clientFont(const QString &face, int pointSize)
{
    QFont font(face);
    font.setPointSize(pointSize);
    return font;
}

QFont measuringFont()
{
    QFont font(ClientFace::Dialog);
    font.setPixelSize(12);
    return font;
}
