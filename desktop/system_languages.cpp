#include "system_languages.h"

#include <QLocale>
#include <QStringList>

namespace quorvel {

std::vector<std::string> system_languages() {
    std::vector<std::string> tags;
    for (const QString& tag : QLocale::system().uiLanguages()) {
        tags.push_back(tag.toStdString());
    }
    return tags;
}

}  // namespace quorvel
