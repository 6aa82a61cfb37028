#include "printchoices.h"

#include "platform/settingsstore.h"
#include "platform/twips.h"

#include <QRectF>

#include <cmath>

namespace atoz {

namespace {

const QString Section = QStringLiteral("Setting");

bool storedBoolean(const SettingsStore& settings, const QString& key, bool defaultValue)
{
    return SettingsStore::ParseBoolean(settings.GetSetting(Section, key, QString())).value_or(defaultValue);
}

}  // namespace

PrintChoices LoadPrintSettings(const SettingsStore& settings, bool printerLandscape)
{
    PrintChoices choices;
    choices.landscape = storedBoolean(settings, QStringLiteral("Landscape"), printerLandscape);
    choices.fillPage = storedBoolean(settings, QStringLiteral("FillPage"), true);
    const auto margin = SettingsStore::ParseInteger(settings.GetSetting(Section, QStringLiteral("Margin"), QString()),
                                                    0, qint64(MarginInches.size()) - 1);
    choices.marginIndex = margin ? int(*margin) : PrintChoices::DefaultMargin;
    return choices;
}

void SavePrintSettings(SettingsStore& settings, const PrintChoices& choices)
{
    const SettingsStore::WriteGroup group(settings);
    settings.SaveSetting(Section, QStringLiteral("Landscape"), SettingsStore::BooleanText(choices.landscape));
    settings.SaveSetting(Section, QStringLiteral("FillPage"), SettingsStore::BooleanText(choices.fillPage));
    settings.SaveSetting(Section, QStringLiteral("Margin"), QString::number(choices.marginIndex));
}

PrintLayout PrintPage(QSize picture, QSizeF page, const PrintChoices& choices)
{
    // Single precision throughout, as the printing has always been reckoned.
    const float m = choices.PageMargin() * 1440.0f;
    const QRectF natural(0, 0, float(picture.width() * TwipsPerPixel), float(picture.height() * TwipsPerPixel));
    if (!choices.fillPage || picture.isEmpty())
        return {choices.landscape, natural.translated(m, m)};

    const float PW = std::round(float(page.width()));
    const float PH = std::round(float(page.height()));
    const float pw = float(picture.width());
    const float ph = float(picture.height());
    const float rx = PW / pw;
    const float ry = PH / ph;
    float W = PW;
    float H = PH;
    if (ry > rx)
        H = ph * PW / pw;  // the page is relatively taller: fit its width
    else
        W = pw * PH / ph;  // fit its height
    W -= 2 * m;
    H -= 2 * m;
    if (W > 0 && H > 0)
        return {choices.landscape, QRectF(m, m, W, H)};
    return {choices.landscape, natural};
}

}  // namespace atoz
