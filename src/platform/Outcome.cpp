#include "platform/Outcome.h"

#include <cerrno>
#include <utility>

namespace tolvane {

Outcome Outcome::fromErrno(int error, std::string path) {
    Kind kind = Kind::failed;
    switch (error) {
        case 0:
            kind = Kind::saved;
            break;
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            kind = Kind::writeProtected;
            break;
        case ENAMETOOLONG:
            kind = Kind::nameTooLong;
            break;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            kind = Kind::diskFull;
            break;
        case ENOENT:
        case ENOTDIR:
            kind = Kind::missing;
            break;
        case EISDIR:
            kind = Kind::notAFile;
            break;
        default:
            break;
    }
    return Outcome{kind, error, std::move(path), {}};
}

}  // namespace tolvane
