// Opens a profile of any bytes in a freshly started program, loads it into the form and saves it
// unchanged under another name. Every element must keep its text and attributes, except the values
// the form changed on loading (the encoding rules' replacements), which must hold what was listed;
// the one walk that finds the form's values must find what their paths do; and what was saved must
// open again to the same bytes and save again to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

#include "FuzzHome.h"
#include "controller/Tolvane.h"
#include "profile/ProfileDocument.h"
#include "profile/ProfileFields.h"

using namespace tolvane;

namespace {

struct Run {
    std::string opened;                // the document as read, serialised
    std::vector<Change> changes;       // what the save was to write
    std::optional<std::string> saved;  // the saved file, when the save wrote one
};

void require(bool condition) {
    if (!condition) std::abort();
}

// A program started over a profile folder that holds these bytes alone.
std::optional<Run> openAndSave(std::string_view bytes) {
    const auto folder =
        fuzzing::fuzzHome() / "Library/Application Support/Adobe/Flash Media Live Encoder 3.2";
    fuzzing::clearHome();
    fuzzing::writeFile(folder / "opened.xml", bytes);
    Form form = standardForm();
    FixedCaptureDevices devices({"Built-in Microphone", "Line In"},
                                {"CamTwist", "FaceTime HD Camera"});
    Tolvane controller(form, devices);
    controller.awakeFromNib();
    controller.applicationDidFinishLaunching();  // loads the one profile listed
    const ProfileDocument* document = controller.currentFMLEProfile();
    if (!document) return std::nullopt;
    const XmlNode root = document->rootElement();
    const profile::FieldTexts fields = profile::readFields(root);
    for (std::size_t i = 0; i < profile::kFieldCount; ++i)
        require(fields[i] == profile::valueForXPath(profile::fieldPath(profile::fieldAt(i)), root));
    Run run{document->serialize(), controller.pendingChanges(), std::nullopt};
    form.txtfldNewProfileName.setStringValue("saved");
    controller.fmleSaveProfile();
    run.saved = fuzzing::readFile(folder / "saved.xml");
    return run;
}

// Each element's path with its attributes and own text, in document order, as the XML library
// alone reads the bytes; the elements of the given paths left out.
std::vector<std::pair<std::string, std::string>> elements(const std::string& bytes,
                                                          const std::vector<std::string>& skip) {
    pugi::xml_document doc;
    doc.load_buffer(bytes.data(), bytes.size(),
                    pugi::parse_default | pugi::parse_comments | pugi::parse_pi);
    std::vector<std::pair<std::string, std::string>> out;
    std::vector<std::pair<pugi::xml_node, std::string>> pending{{doc, ""}};
    while (!pending.empty()) {
        const auto [node, parentPath] = pending.back();
        pending.pop_back();
        std::vector<std::pair<pugi::xml_node, std::string>> children;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element) continue;
            const std::string path = parentPath + "/" + child.name();
            std::string content;
            for (pugi::xml_attribute a : child.attributes())
                content += std::string(a.name()) + "=" + a.value() + "\n";
            for (pugi::xml_node text = child.first_child(); text; text = text.next_sibling())
                if (text.type() == pugi::node_pcdata || text.type() == pugi::node_cdata)
                    content += text.value();
            bool skipped = false;
            for (const std::string& s : skip)
                skipped = skipped || s == path;
            if (!skipped) out.emplace_back(path, std::move(content));
            children.emplace_back(child, path);
        }
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto first = openAndSave({reinterpret_cast<const char*>(data), size});
    if (!first) return 0;
    // A document that opens but cannot be saved must still serialise to bytes that read back.
    const auto reread = ProfileDocument::parse(first->opened);
    require(reread && reread->serialize() == first->opened);
    if (!first->saved) return 0;

    // An unchanged save keeps every element but those of the values listed as changed.
    std::vector<std::string> changed;
    for (const Change& change : first->changes)
        changed.emplace_back(profile::fieldPath(change.id));
    require(elements(first->opened, changed) == elements(*first->saved, changed));
    const auto saved = ProfileDocument::parse(*first->saved);
    require(saved.has_value());
    for (const Change& change : first->changes)
        require(profile::valueForXPath(profile::fieldPath(change.id), saved->rootElement()) ==
                change.written);

    const auto second = openAndSave(*first->saved);
    require(second && second->opened == *first->saved);
    // Values the form has no item for are kept, so what saved once saves again, unchanged.
    require(second->saved && second->saved == first->saved);
    return 0;
}
