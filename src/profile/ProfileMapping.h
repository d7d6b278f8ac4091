#pragma once

#include <optional>
#include <string>
#include <tl/expected.hpp>
#include <vector>

#include "form/Changes.h"
#include "form/Choices.h"
#include "form/Form.h"
#include "form/Properties.h"
#include "profile/ProfileDocument.h"
#include "profile/ProfileFields.h"

// Between a profile document and the form: loading fills the form and the properties from the
// document; a rebuild writes back into it what the form changed since.
namespace tolvane::profile {

// The five text-to-tag dictionaries through which loading turns a profile's texts into tags.
struct Vocabularies {
    const TitleTagDictionary& videoOutputFormat;
    const TitleTagDictionary& audioOutputFormat;
    const TitleTagDictionary& audioSamplerate;
    const TitleTagDictionary& audioChannel;
    const TitleTagDictionary& audioBitrate;
};

// The video bitrates and output sizes past the streams the form shows, as the file spells them:
// values beyond the third stream, or beyond the shorter of the two elements. A save writes them
// back after the streams shown.
struct KeptStreamValues {
    std::string bitrates;
    std::string sizes;

    bool any() const { return !bitrates.empty() || !sizes.empty(); }
};

// What a load leaves for the rebuild: the profile's texts, and the form as loaded in the value
// space of each field (the text a rebuild would write for it), taken right after the load step
// that reads the field, before later steps' rules run.
struct Baseline {
    FieldTexts stored;
    FieldTexts loaded;
    KeptStreamValues keptStreamValues;
    // The codec as the writer tells it (the title "VP6") when the profile was loaded: until the
    // user switches it, the other codec's options stay as stored.
    bool loadedVP6 = false;
};

// Fills the FMLE side of the form from a document, in the fixed order that lets the encoding
// rules re-validate the audio choices as the values arrive. A value that no list item offers is
// kept as an item of its own (see PopUpList::isKept), written back as it is; the previous
// profile's kept items go first. The streams are the datarate's and outputsize's values in order,
// as many as both elements hold (stream 1 always, three at most). The values the form shows since
// (auto-adjust to metadata) follow the audio bitrate; a duration limit "H" or "H:MM" shows as
// hours and minutes, any other text whole in the hours.
Baseline loadFMLEProfile(const ProfileDocument& document, Form& form, PropertyHolder& properties,
                         const Vocabularies& vocabularies);

// The text a rebuild would write for a field in the form's present state: the canonical text
// ("N;", "2" or "1", "%ld", the selected title, "true" or "false", a text field's text), or a
// kept item's own text. The datarate and outputsize hold each present stream's value followed by
// ";", then the kept values; a duration limit is "H" when its minutes are 0 or empty, else "H:MM".
// Nothing removes the element.
std::optional<std::string> currentValue(ValueId id, const Form& form,
                                        const PropertyHolder& properties, const Baseline& baseline);

// The fields whose current value differs from the value as loaded, in ValueId order, with that
// value.
std::vector<FieldWrite> changedFields(const Form& form, const PropertyHolder& properties,
                                      const Baseline& baseline);

// The same as changes a user can read: the stored text, the text a save writes, and the rule that
// made it while the form still shows the rule's choice (the newest replacement of that value).
std::vector<Change> pendingChanges(const Form& form, const PropertyHolder& properties,
                                   const Baseline& baseline,
                                   const std::vector<Replacement>& replacements);

// The actions of the frame-rate and input-size lists.
void fmleFrameRateSelected(Form& form, bool syncFrameRate);
void fmleInputSizeSelected(Form& form, const PopUpList& sender);

// Writes the changed fields into the document. On the first write that fails (or with no
// document) "Exception rised" is logged and the failure returned; the writes before it stay.
tl::expected<void, WriteFailure> rebuildProfile(ProfileDocument* document,
                                                const std::vector<FieldWrite>& changes);

// Adds or removes the element that says the aspect ratio is preserved, and nothing else.
tl::expected<void, WriteFailure> setAspectRatio(bool preserve, const XmlNode& root);

}  // namespace tolvane::profile
