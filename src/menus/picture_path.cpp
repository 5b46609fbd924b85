#include "menus/picture_path.h"

#include "model/name_rules.h"

namespace trm {

PicturePath splitPicturePath(const std::string& path) {
    PicturePath split;
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos) return split;
    split.loadable = true;
    split.decodable = isPictureExtension(path.substr(dot));
    const size_t slash = dot == 0 ? std::string::npos : path.rfind('\\', dot - 1);
    if (slash == std::string::npos) {
        split.fileName = path;
    } else {
        split.directory = path.substr(0, slash + 1);
        split.fileName = path.substr(slash + 1);
    }
    return split;
}

ThumbnailSize thumbnailRequestSize(int sizeX, int sizeY, const MenuLengths& lengths) {
    if (sizeX == 0 && sizeY == 0) return {lengths.thumbnailWidth, lengths.thumbnailHeight};
    return {sizeX, sizeY};
}

}  // namespace trm
