#include "core/project/SystemErrorText.h"

#include <cerrno>
#include <cstring>

namespace hydrim {

std::string SystemErrorText(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return "soubor nebo adresář neexistuje";
    case EACCES:
        return "přístup odepřen";
    case EPERM:
        return "operace není povolena";
    case ENOSPC:
        return "na disku není volné místo";
    case EDQUOT:
        return "překročena disková kvóta";
    case EROFS:
        return "systém souborů je jen pro čtení";
    case EISDIR:
        return "jde o adresář";
    case ENOTDIR:
        return "část cesty není adresář";
    case EEXIST:
        return "soubor už existuje";
    case ENOTEMPTY:
        return "adresář není prázdný";
    case ENAMETOOLONG:
        return "název souboru je příliš dlouhý";
    case ELOOP:
        return "příliš mnoho symbolických odkazů v cestě";
    case EMFILE:
    case ENFILE:
        return "příliš mnoho otevřených souborů";
    case EFBIG:
        return "soubor je příliš velký";
    case EIO:
        return "chyba vstupu nebo výstupu";
    case EBUSY:
    case ETXTBSY:
        return "soubor nebo zařízení je právě používáno";
    case EXDEV:
        return "soubor nelze přesunout na jiný systém souborů";
    case ENOMEM:
        return "nedostatek paměti";
    case EINVAL:
        return "neplatný název nebo parametr";
    case ENXIO:
    case ENODEV:
        return "zařízení neexistuje";
    default:
        return "chyba systému č. " + std::to_string(errorNumber) + " (" + std::strerror(errorNumber) + ")";
    }
}

std::string SystemErrorText(const std::error_code& error) {
    if (error.category() == std::generic_category() || error.category() == std::system_category()) {
        return SystemErrorText(error.value());
    }
    return error.message();
}

} // namespace hydrim
