#include "wmftextwidths.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include <libwmf/api.h>
#include <libwmf/font.h>
#include <libwmf/ipa.h>

using namespace orv;

namespace {

struct ApiDeleter {
    void operator()(wmfAPI *api) const { wmf_api_destroy(api); }
};

} // namespace

// Text is placed with the widths libwmf measures: the glyphs loaded once must
// give exactly libwmf's own widths, kerning and characters it cannot find
// included, and libwmf's own measure comes back afterwards.
TEST(WmfTextWidthsTest, WidthsAreExactlyLibwmfsOwn)
{
    // No drawing: a device that sets up nothing.
    wmfAPI_Options options{};
    options.function = [](wmfAPI *) {};
    wmfAPI *raw = nullptr;
    ASSERT_EQ(wmf_api_create(&raw,
                             WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG,
                             &options),
              wmf_E_None);
    std::unique_ptr<wmfAPI, ApiDeleter> api(raw);
    auto *fonts = static_cast<wmfFontData *>(raw->font_data);
    ASSERT_NE(fonts, nullptr);
    const wmfStringWidth libwmfWidth = fonts->stringwidth;

    const struct {
        const char *face;
        int weight;
        int italic;
    } faces[] = {{"Times New Roman", 400, 0}, {"Arial", 700, 0}, {"Courier New", 400, 1}};
    const char *const texts[] = {"Hello, world", "AVAWAY Ta To", "", "fi ffl 0123456789", "\xe9t\xe9 \xbc"};

    std::string name[3];
    wmfFont font[3] = {};
    for (int f = 0; f < 3; ++f) {
        name[f] = faces[f].face;
        font[f].lfHeight = 12;
        font[f].lfWeight = static_cast<U16>(faces[f].weight);
        font[f].lfItalic = static_cast<U8>(faces[f].italic);
        font[f].lfFaceName = name[f].data();
        fonts->map(raw, &font[f]);
        ASSERT_NE(WMF_FONT_FTFACE(&font[f]), nullptr) << faces[f].face;
    }
    float expected[3][5];
    for (int f = 0; f < 3; ++f)
        for (int t = 0; t < 5; ++t)
            expected[f][t] = libwmfWidth(raw, &font[f], const_cast<char *>(texts[t]));

    {
        const WmfTextWidths widths(raw);
        EXPECT_NE(fonts->stringwidth, libwmfWidth);
        for (int round = 0; round < 2; ++round) { // the second from what is kept
            for (int f = 0; f < 3; ++f) {
                for (int t = 0; t < 5; ++t) {
                    SCOPED_TRACE(std::string(faces[f].face) + " / " + texts[t]);
                    EXPECT_EQ(fonts->stringwidth(raw, &font[f], const_cast<char *>(texts[t])),
                              expected[f][t]);
                }
            }
        }
        EXPECT_GT(widths.glyphsLoaded(), 20);
        EXPECT_GT(expected[0][0], 0.0f);
    }
    EXPECT_EQ(fonts->stringwidth, libwmfWidth);
}
