#include "FuzzStores.h"

#include "FuzzCheck.h"
#include "FuzzScratch.h"

FuzzStores::FuzzStores(const QByteArray &reference)
{
    const QString folder = FuzzScratch::folder() + QStringLiteral("/language");
    FuzzScratch::write(QStringLiteral("language/") + LanguageStore::ReferenceName
                           + QStringLiteral(".ini"),
                       reference);
    wide.setUtf8Mode(false);
    utf8.setUtf8Mode(true);
    FUZZ_CHECK(wide.Open(folder) && utf8.Open(folder));
    FUZZ_CHECK(!wide.ReferenceKeyTable().empty());
}
