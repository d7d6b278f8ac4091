#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "form/Binding.h"
#include "rules/AudioRules.h"

namespace tolvane {
namespace {

constexpr int32_t AAC = 1001, MP3 = 1002, NELLY = 1003;
constexpr int32_t STEREO = 1001, MONO = 1002;
constexpr int32_t H264 = 1001, VP6 = 1002;

const int kKbps[] = {320, 256, 224, 192, 160, 128, 112, 96, 88, 80, 64, 56,
                     48,  44,  40,  32,  28,  24,  22,  20, 18, 16, 11};
const int kHz[] = {48000, 44100, 32000, 22050, 11025, 8000, 5512};

int32_t samplerateTag(int hz) {
    return 1001 + static_cast<int32_t>(std::find(std::begin(kHz), std::end(kHz), hz) - kHz);
}
int32_t bitrateTag(int kbps) {
    return 1001 + static_cast<int32_t>(std::find(std::begin(kKbps), std::end(kKbps), kbps) - kKbps);
}

// "320, 256, 16" as the tags of those bitrates.
std::vector<int32_t> bitrateTags(const std::string& list) {
    std::vector<int32_t> tags;
    std::istringstream in(list);
    for (std::string kbps; std::getline(in, kbps, ',');)
        tags.push_back(bitrateTag(std::stoi(kbps)));
    std::sort(tags.begin(), tags.end());
    return tags;
}

std::vector<int32_t> tags(const TagSet& set) {
    return {set.begin(), set.end()};
}

// The properties in an array, as the controller holds them: the ruled setters run the rules, and
// every change is shown in a form and recorded by name.
struct Holder : PropertyHolder {
    int32_t propertyValue(Property p) const override { return values[static_cast<std::size_t>(p)]; }
    void storePropertyValue(Property p, int32_t value) override {
        values[static_cast<std::size_t>(p)] = value;
        showProperty(form, p, value);
        told.emplace_back(propertyName(p));
    }
    void setPropertyValue(Property p, int32_t value) override {
        if (p == Property::tagAudioOutputFormat)
            return rules::setTagAudioOutputFormat(*this, value);
        if (p == Property::tagAudioSamplerate) return rules::setTagAudioSamplerate(*this, value);
        if (p == Property::tagAudioChannel) return rules::setTagAudioChannel(*this, value);
        if (p == Property::tagVideoOutputFormat)
            return rules::setTagVideoOutputFormat(*this, form.popupFMLEAudioOutputFormat, value);
        storePropertyValue(p, value);
    }
    int32_t tag(Property p) const { return propertyValue(p); }

    Form form = standardForm();
    std::array<int32_t, kPropertyCount> values{};
    std::vector<std::string> told;
};

class Rules : public ::testing::Test {
  protected:
    // The bitrates whose availability flag says "available", as tags.
    std::vector<int32_t> availableBitrates() const {
        std::vector<int32_t> out;
        for (std::size_t i = 0; i < 23; ++i)
            if (h.propertyValue(nthProperty(Property::bitrateStatus320Kbps, i)) == 0)
                out.push_back(1001 + static_cast<int32_t>(i));
        return out;
    }
    void choose(int32_t format, int hz, int32_t channel, int kbps) {
        h.setPropertyValue(Property::tagAudioOutputFormat, format);
        h.setPropertyValue(Property::tagAudioChannel, channel);
        h.setPropertyValue(Property::tagAudioSamplerate, samplerateTag(hz));
        h.setPropertyValue(Property::tagAudioBitrate, bitrateTag(kbps));
        h.told.clear();
    }
    TagSet bitrates(int32_t format, int32_t samplerate, int32_t channel) {
        return rules::assignBitrateByEncode(h, format, samplerate, channel);
    }

    Holder h;
    Form& form = h.form;
};

TEST_F(Rules, EveryCombinationAllowsTheBitratesOfTheEncoderTable) {
    struct Row {
        int32_t format;
        int hz;
        int32_t channel;
        const char* kbps;
    };
    const std::string aacFull = "320,256,224,192,160,128,112,96,80,64,56,48,40,32,28,24,20,16";
    const std::vector<Row> rows = {
        {AAC, 11025, MONO, "160,128,112,96,80,64,56,48,40,32,28,24,20,16"},
        {AAC, 8000, STEREO, "256,224,192,160,128,112,96,80,64,56,48,40,32,28,24,20,16"},
        {AAC, 8000, MONO, "128,112,96,80,64,56,48,40,32,28,24,20,16"},
        {MP3, 44100, STEREO, "224,192,160,128,112,96"},
        {AAC, 5512, STEREO, "224,192,160,128,112,96"},
        {MP3, 44100, MONO, "224,192,160,128,112,96,80,64,56"},
        {AAC, 5512, MONO, "224,192,160,128,112,96,80,64,56"},
        {MP3, 22050, STEREO, "80,64,56,48,40"},
        {MP3, 22050, MONO, "48,40,32"},
        {MP3, 11025, STEREO, "32,24,20"},
        {MP3, 11025, MONO, "20,18"},
        {MP3, 48000, STEREO, "32,24,20"},
        {NELLY, 44100, STEREO, "88"},
        {NELLY, 48000, MONO, "88"},
        {NELLY, 22050, MONO, "44"},
        {NELLY, 11025, STEREO, "22"},
        {NELLY, 8000, MONO, "16"},
        {NELLY, 5512, STEREO, "11"},
    };
    for (const Row& row : rows) {
        const auto allowed = bitrates(row.format, samplerateTag(row.hz), row.channel);
        EXPECT_EQ(bitrateTags(row.kbps), tags(allowed)) << row.format << " " << row.hz;
        EXPECT_EQ(tags(allowed), availableBitrates());
    }
    for (int hz : {48000, 44100, 32000, 22050, 11025})
        for (int32_t channel : {STEREO, MONO}) {
            if (hz == 11025 && channel == MONO) continue;
            EXPECT_EQ(bitrateTags(aacFull), tags(bitrates(AAC, samplerateTag(hz), channel))) << hz;
        }
}

TEST_F(Rules, TagsOutsideTheListsReadAsTheDefaultChoice) {
    const auto mp3 = tags(rules::assignSamplrateByEncode(h, MP3));
    for (int32_t format : {0, -5, 1004, INT32_MAX, INT32_MIN})
        EXPECT_EQ(mp3, tags(rules::assignSamplrateByEncode(h, format))) << format;

    const auto mp3At44Mono = tags(bitrates(MP3, 1002, MONO));
    EXPECT_EQ(mp3At44Mono, tags(bitrates(0, 0, 0)));
    EXPECT_EQ(mp3At44Mono, tags(bitrates(INT32_MAX, 1008, 1003)));
    // An AAC choice with a channel outside the list stays AAC.
    EXPECT_EQ(bitrateTags("160,128,112,96,80,64,56,48,40,32,28,24,20,16"),
              tags(bitrates(AAC, 1005, 7)));
}

TEST_F(Rules, NellymoserForcesMonoWhileTheOldFormatIsStored) {
    choose(MP3, 44100, STEREO, 128);
    h.setPropertyValue(Property::tagAudioOutputFormat, NELLY);
    EXPECT_EQ(MONO, h.tag(Property::tagAudioChannel));
    EXPECT_TRUE(h.tag(Property::nellyMoserSelected));
    EXPECT_EQ(1002, h.tag(Property::tagAudioSamplerate));
    EXPECT_EQ(std::vector<int32_t>{bitrateTag(88)}, availableBitrates());
    EXPECT_EQ("88", form.popupFMLEAudioOutputBitrate.title());
    EXPECT_EQ("Mono", form.popupFMLEAudioOutputChannel.title());

    const std::vector<std::string> head(h.told.begin(), h.told.begin() + 3);
    EXPECT_EQ((std::vector<std::string>{"tagAudioChannel", "bitrateStatus320Kbps",
                                        "bitrateStatus256Kbps"}),
              head);
    // The channel step ran on the old format, where 128 Kbps mono is allowed and so kept.
    const auto firstBitrate = std::find(h.told.begin(), h.told.end(), "tagAudioBitrate");
    const auto nelly = std::find(h.told.begin(), h.told.end(), "nellyMoserSelected");
    EXPECT_LT(firstBitrate, nelly);

    // Leaving Nellymoser at 5512 Hz: the highest rates the new format allows.
    choose(NELLY, 5512, MONO, 11);
    h.setPropertyValue(Property::tagAudioOutputFormat, MP3);
    EXPECT_EQ(MONO, h.tag(Property::tagAudioChannel));
    EXPECT_EQ(samplerateTag(44100), h.tag(Property::tagAudioSamplerate));
    EXPECT_EQ(bitrateTag(224), h.tag(Property::tagAudioBitrate));
    choose(MP3, 22050, MONO, 32);
    h.setPropertyValue(Property::tagAudioChannel, STEREO);
    EXPECT_EQ(bitrateTag(80), h.tag(Property::tagAudioBitrate));
}

TEST_F(Rules, CascadeAnnouncesInOrderAndRerunsForTheSameFormat) {
    choose(MP3, 44100, STEREO, 128);
    h.setPropertyValue(Property::tagAudioOutputFormat, MP3);
    std::vector<std::string> expected = {"nellyMoserSelected", "tagAudioOutputFormat"};
    for (int hz : kHz)
        expected.push_back("samplerateStatus" + std::to_string(hz));
    expected.push_back("tagAudioSamplerate");
    for (int kbps : kKbps)
        expected.push_back("bitrateStatus" + std::to_string(kbps) + "Kbps");
    expected.push_back("tagAudioBitrate");
    EXPECT_EQ(expected, h.told);
    EXPECT_EQ(bitrateTag(128), h.tag(Property::tagAudioBitrate));

    // A bitrate, even a disallowed one, is stored as given and recomputes nothing.
    h.told.clear();
    h.setPropertyValue(Property::tagAudioBitrate, bitrateTag(11));
    EXPECT_EQ(std::vector<std::string>{"tagAudioBitrate"}, h.told);
    EXPECT_EQ(bitrateTag(11), h.tag(Property::tagAudioBitrate));

    // Nellymoser ignores the channel: stereo is stored, the bitrate stays.
    choose(NELLY, 22050, MONO, 44);
    h.setPropertyValue(Property::tagAudioChannel, STEREO);
    EXPECT_EQ(STEREO, h.tag(Property::tagAudioChannel));
    EXPECT_EQ(bitrateTag(44), h.tag(Property::tagAudioBitrate));
}

TEST_F(Rules, CodecDecidesWhichAudioFormatsAreOffered) {
    choose(NELLY, 44100, MONO, 88);
    h.setPropertyValue(Property::tagVideoOutputFormat, H264);
    EXPECT_TRUE(h.tag(Property::h264Selected));
    EXPECT_TRUE(form.popupFMLEAudioOutputFormat.itemWithTag(NELLY)->isHidden());
    EXPECT_FALSE(form.popupFMLEAudioOutputFormat.itemWithTag(AAC)->isHidden());
    EXPECT_EQ(AAC, h.tag(Property::tagAudioOutputFormat));
    EXPECT_EQ(samplerateTag(44100), h.tag(Property::tagAudioSamplerate));
    EXPECT_EQ(bitrateTag(320), h.tag(Property::tagAudioBitrate));

    // MP3 is offered with both codecs: nothing audio changes.
    choose(MP3, 22050, STEREO, 64);
    h.setPropertyValue(Property::tagVideoOutputFormat, VP6);
    EXPECT_FALSE(h.tag(Property::h264Selected));
    EXPECT_EQ((std::vector<std::string>{"tagVideoOutputFormat", "h264Selected"}), h.told);
    h.setPropertyValue(Property::tagVideoOutputFormat, 0);
    EXPECT_FALSE(h.tag(Property::h264Selected));

    // With no format offered the audio choices stay as they are.
    choose(AAC, 48000, STEREO, 320);
    form.popupFMLEAudioOutputFormat.removeAllItems();
    h.setPropertyValue(Property::tagVideoOutputFormat, H264);
    EXPECT_EQ(AAC, h.tag(Property::tagAudioOutputFormat));
    EXPECT_EQ(bitrateTag(320), h.tag(Property::tagAudioBitrate));
}

TEST_F(Rules, BudgetSubtractsTheAudioBitrateAndClampsTheResult) {
    const auto videoAfter = [this](const std::string& total) {
        form.comboboxTotalBitrate.setStringValue(total);
        rules::adjustBitrate(form);
        return form.comboboxFMLEVideoOutputBitrate.stringValue();
    };
    choose(AAC, 44100, STEREO, 128);
    auto& video = form.comboboxFMLEVideoOutputBitrate;
    const std::size_t before = video.objectValues().size();
    EXPECT_EQ("872", videoAfter("1000"));
    EXPECT_EQ("872", videoAfter(" 1000 Kbps"));
    EXPECT_EQ(before + 2, video.objectValues().size());
    EXPECT_EQ(-128, static_cast<int>(std::stol(videoAfter("abc"))));
    EXPECT_EQ("-28", videoAfter("100"));
    EXPECT_EQ("-1128", videoAfter("-1000"));
    EXPECT_EQ("2147483647", videoAfter("999999999999999999999999999"));
    EXPECT_EQ("-2147483648", videoAfter("-99999999999"));

    const std::size_t count = video.objectValues().size();
    form.comboboxTotalBitrate.setStringValue("");
    rules::adjustBitrate(form);
    EXPECT_EQ(count, video.objectValues().size());
    EXPECT_EQ("-2147483648", video.stringValue());
}

}  // namespace
}  // namespace tolvane
