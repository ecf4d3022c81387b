#include "gui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installFrenchQtTexts(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    const QString name = QStringLiteral("qtbase_fr");
    if (translator->load(name, QStringLiteral(":/translations"))
        || translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}
