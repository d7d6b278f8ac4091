#pragma once

#include <string>
#include <string_view>

#include "form/Choices.h"
#include "form/Form.h"
#include "form/Properties.h"
#include "profile/ProfileDocument.h"

// Between a profile document and the form: loading fills the form and the properties from the
// document, rebuilding writes them back into it.
namespace tolvane::profile {

// The five text-to-tag dictionaries through which loading turns a profile's texts into tags.
struct Vocabularies {
    const TitleTagDictionary& videoOutputFormat;
    const TitleTagDictionary& audioOutputFormat;
    const TitleTagDictionary& audioSamplerate;
    const TitleTagDictionary& audioChannel;
    const TitleTagDictionary& audioBitrate;
};

// Fills the FMLE side of the form from a document, in the fixed order that lets the encoding
// rules re-validate the audio choices as the values arrive. A value that no list item offers is
// kept as an item of its own (see PopUpList::isKept), so that saving writes it back; the previous
// profile's kept items go first. Of several output sizes the first is shown; the others are
// returned, for the rebuild to write back after it.
std::string loadFMLEProfile(const ProfileDocument& document, Form& form, PropertyHolder& properties,
                            const Vocabularies& vocabularies);

// The actions of the frame-rate and input-size lists.
void fmleFrameRateSelected(Form& form, bool syncFrameRate);
void fmleInputSizeSelected(Form& form, const PopUpList& sender);

// Writes the form back into the document, the other output sizes after the shown one. False when
// a write failed (the writes before it stay applied): "Exception rised" is logged and, when
// given, failure holds what failed.
bool rebuildProfile(ProfileDocument* document, const Form& form, const PropertyHolder& properties,
                    std::string_view otherOutputSizes = {},
                    std::optional<ProfileFailure>* failure = nullptr);

// Adds or removes the element that says the aspect ratio is preserved.
void setAspectRatio(bool preserve, const XmlNode& root);

}  // namespace tolvane::profile
