// The streams the form holds, the name each reaches the server under, and the checks of typed
// values.
#include "form/Streams.h"

#include <gtest/gtest.h>

#include "form/Validation.h"

namespace tolvane {
namespace {

using Texts = std::vector<std::string>;

// "bitrate WxH total" for each stream, in order.
Texts rows(const Form& form) {
    Texts out;
    for (const StreamRow& row : streamTable(form))
        out.push_back(row.bitrate + " " + row.frameSize() + " " +
                      (row.totalKbps ? std::to_string(*row.totalKbps) : "-"));
    return out;
}

void setStream(Form& form, std::size_t slot, const char* bitrate, const char* w, const char* h) {
    (form.*kStreamControls[slot].bitrate).setStringValue(bitrate);
    (form.*kStreamControls[slot].width).setStringValue(w);
    (form.*kStreamControls[slot].height).setStringValue(h);
}

TEST(Streams, AreAddedAsCopiesAndRemovedWithTheLaterOnesMovingUp) {
    Form form = standardForm();
    form.popupFMLEAudioOutputBitrate.selectItemWithTitle("128");
    setStream(form, 0, "300", "426", "240");
    EXPECT_EQ((Texts{"300 426x240 428"}), rows(form));
    EXPECT_TRUE(addStream(form));
    form.comboboxFMLEVideoOutputBitrate2.setStringValue("800€");  // no number: no total
    EXPECT_TRUE(addStream(form));
    EXPECT_FALSE(addStream(form));
    EXPECT_EQ((Texts{"300 426x240 428", "800€ 426x240 -", "800€ 426x240 -"}), rows(form));

    form.comboboxFMLEVideoOutputBitrate3.setStringValue("1200");
    EXPECT_TRUE(removeStream(form, 0));
    EXPECT_EQ((Texts{"800€ 426x240 -", "1200 426x240 1328"}), rows(form));
    EXPECT_EQ("", form.txtfldFMLEVideoOutputSizeX3.stringValue());
    // A stream 2 without a bitrate is absent; adding fills that gap first.
    form.comboboxFMLEVideoOutputBitrate2.setStringValue("");
    EXPECT_EQ((Texts{"800€ 426x240 -"}), rows(form));
    EXPECT_FALSE(removeStream(form, 0));  // the only stream stays
    EXPECT_FALSE(removeStream(form, 3));
    form.comboboxFMLEVideoOutputBitrate.setStringValue("");
    EXPECT_FALSE(addStream(form));  // nothing to copy
}

TEST(StreamNames, ExpandParametersOrSplitTheListAndWarn) {
    struct Case {
        const char* name;
        std::size_t streams;  // of the three below
        Texts names;
        bool shared, literal, missing;
    };
    const Case cases[] = {
        {"live", 3, {"live", "live", "live"}, true, false, false},
        {"live_%i", 3, {"live_1", "live_2", "live_3"}, false, false, false},
        {"100%_%x%", 2, {"100%_%x%", "100%_%x%"}, true, false, false},  // no parameter
        {"low;mid;high;", 3, {"low", "mid", "high"}, false, false, false},
        {"low;mid", 3, {"low", "mid", ""}, false, false, true},
        {"s_%i;t_%i", 2, {"s_%i", "t_%i"}, false, true, false},
        // Stream 3's bitrate is no number.
        {"%f %b", 3, {"426x240 428", "854x480 928", "1280x720 %b"}, false, false, false},
        {"", 2, {"", ""}, true, false, false},
    };
    std::vector<StreamRow> streams = {{0, "300", "426", "240", 428},
                                      {1, "800", "854", "480", 928},
                                      {2, "1.5k", "1280", "720", std::nullopt}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StreamNames got = resolveStreamNames(
            c.name, {streams.begin(), streams.begin() + static_cast<long>(c.streams)}, "128",
            "44100");
        EXPECT_EQ(c.names, got.names);
        EXPECT_EQ((std::array{c.shared, c.literal, c.missing}),
                  (std::array{got.sharedName, got.parametersTakenLiterally, got.namesMissing}));
    }
    // From the form: its name, streams, audio bitrate and sample rate.
    Form form = standardForm();
    form.popupFMLEAudioOutputBitrate.selectItemWithTitle("64");
    form.popupFMLEAudioSamplerate.selectItemWithTitle("22050");
    setStream(form, 0, "500", "640", "360");
    form.txtfldFMLEStreamName.setStringValue("%i-%v-%f-%a-%s-%b");
    EXPECT_EQ((Texts{"1-500-640x360-64-22050-564"}), resolveStreamNames(form).names);
}

TEST(TypedValues, AreCheckedAgainstTheirRanges) {
    for (const auto& [typed, bitrate, dimensionH264, dimensionVP6, limit] :
         std::vector<std::tuple<std::string, bool, bool, bool, bool>>{
             {"1", true, false, false, true},
             {"16", true, true, true, true},
             {"17", true, false, true, true},
             {"8192", true, true, true, true},
             {"8194", true, false, false, true},
             {"100000", true, false, false, true},
             {"100001", false, false, false, true},
             {"0", false, false, false, false},
             {"", false, false, false, false},
             {"-5", false, false, false, false},
             {"99999999999999999999", false, false, false, false},
         }) {
        SCOPED_TRACE(typed);
        EXPECT_EQ((std::array{bitrate, dimensionH264, dimensionVP6, limit}),
                  (std::array{isVideoBitrate(typed), isOutputDimension(typed, true),
                              isOutputDimension(typed, false), isPositiveLimit(typed)}));
    }
    // Hours and minutes: valid, then not.
    EXPECT_EQ((std::array{true, true, true, false, false, false}),
              (std::array{isDurationLimit("1", ""), isDurationLimit("0", "30"),
                          isDurationLimit("", "30"), isDurationLimit("0", "0"),
                          isDurationLimit("1", "60"), isDurationLimit("1h", "")}));
    for (const char* url : {"rtmp://live.example.com/app", "rtmp://[2001:db8::1]:1935/live"})
        EXPECT_TRUE(isStreamURL(url)) << url;
    for (const char* url : {"rtmp://", "rtmp://host:70000/app", "rtmp://ho st/app", "http://a/b"})
        EXPECT_FALSE(isStreamURL(url)) << url;
}

}  // namespace
}  // namespace tolvane
