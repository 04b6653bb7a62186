#include "deck/ole_object.h"

#include <string_view>

namespace tabula {

namespace {

constexpr std::uint32_t kPictureNone = 0;
constexpr std::uint32_t kPicturePresent = 5;

class ObjectWalker {
  public:
    explicit ObjectWalker(ByteReader& reader) : reader_(reader) {}

    OleObjectWalk Walk() {
        Object();
        return std::move(walk_);
    }

  private:
    bool Object() {
        // The version is not checked: files differ in it, and nothing else depends on it.
        if (!Long() || !Long(&walk_.format)) {
            return false;
        }
        switch (walk_.format) {
            case kOleStatic:
                return Counted("class name") && Long() && Long() && Counted("picture");
            case kOleEmbedded:
                return Counted("class name") && Counted("topic") && Counted("item") &&
                       Counted("data") && Picture();
            case kOleLinked:
                // The two values after the network name are the network type and the link's
                // update option.
                return Counted("class name") && Counted("topic") && Counted("item") &&
                       Counted("network name") && Long() && Long() && Picture();
            default:
                return Fail("its object is of an unknown kind (format %1)",
                            {std::to_string(walk_.format)});
        }
    }

    bool Picture() {
        std::uint32_t format = 0;
        if (!Long() || !Long(&format)) {
            return false;
        }
        if (format == kPictureNone) {
            return true;
        }
        if (format != kPicturePresent) {
            return Fail("its object's picture is of an unknown kind (format %1)",
                        {std::to_string(format)});
        }
        std::string_view kind;
        if (!Counted("picture's class name", &kind)) {
            return false;
        }
        kind = kind.substr(0, kind.find('\0'));
        if (kind == "METAFILEPICT" || kind == "BITMAP" || kind == "DIB") {
            return Long() && Long() && Counted("picture");
        }
        std::uint32_t clipboard_format = 0;
        if (!Long(&clipboard_format)) {
            return false;
        }
        if (clipboard_format == 0 && !Counted("picture's format name")) {
            return false;
        }
        return Counted("picture");
    }

    bool Long(std::uint32_t* value = nullptr) {
        const auto read = reader_.U32();
        if (!read) {
            return Fail("the file ends inside its object");
        }
        if (value) {
            *value = *read;
        }
        return true;
    }

    // A 32-bit length and that many bytes. A length that runs past the end of the file is
    // reported as such: it is either damaged or the file was cut short, and neither can be
    // told apart from here.
    bool Counted(std::string_view what, std::string_view* bytes = nullptr) {
        std::uint32_t size = 0;
        if (!Long(&size)) {
            return false;
        }
        // Only bytes that are looked at are read: a picture is passed over.
        const auto taken = bytes ? reader_.Take(size) : std::optional<std::string_view>();
        if (bytes ? !taken : !reader_.Skip(size)) {
            return Fail("its object's %1 (%2 bytes) runs past the end of the file",
                        {std::string(what), std::to_string(size)});
        }
        if (bytes) {
            *bytes = *taken;
        }
        return true;
    }

    bool Fail(std::string_view phrase, std::vector<std::string> args = {}) {
        walk_.problem = {phrase, std::move(args)};
        return false;
    }

    ByteReader& reader_;
    OleObjectWalk walk_;
};

}  // namespace

OleObjectWalk SkipOleObject(ByteReader& reader) {
    return ObjectWalker(reader).Walk();
}

}  // namespace tabula
