// Handing the maker's web page, or any document, to the desktop's default handler.
#include "game/modGeneral.h"

namespace fitzel {

void modGeneral::OpenWebPage(const std::string& operation, const std::string& file) {
    // The desktop is told to open it and says nothing back; a failure goes unreported.
    if (operation == "open") {
        platform_.openDocument(file);
    }
}

}  // namespace fitzel
