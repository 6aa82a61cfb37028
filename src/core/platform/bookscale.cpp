#include "bookscale.h"

#include "platform/settingsstore.h"
#include "platform/twips.h"

#include <algorithm>
#include <cmath>

namespace atoz {

namespace {

constexpr const char* ScaleKey = "Scale";
constexpr const char* FullScreenScaleKey = "FullScreenScale";
constexpr const char* FullScreenKey = "FullScreen";

// The client area's size in pixels at `scale`, rounded as every control is.
QSize clientPixels(QSize twips, double scale)
{
    return {int(std::lround(twips.width() * scale / TwipsPerPixel)),
            int(std::lround(twips.height() * scale / TwipsPerPixel))};
}

}  // namespace

double QuarterStep(double scale)
{
    if (!std::isfinite(scale))
        return SmallestScale;
    return std::clamp(std::round(scale / ScaleStep) * ScaleStep, SmallestScale, LargestScale);
}

double FittingScale(QSize area, QSize frame, QSize clientTwips)
{
    double best = SmallestScale;
    for (double scale = SmallestScale + ScaleStep; scale <= LargestScale; scale += ScaleStep) {
        const QSize outer = clientPixels(clientTwips, scale) + frame;
        if (outer.width() > area.width() || outer.height() > area.height())
            break;
        best = scale;
    }
    return best;
}

std::optional<double> ParseScale(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0)
        return std::nullopt;
    if (value == 0)
        return 0.0;
    return QuarterStep(value);
}

DisplayChoice LoadDisplayChoice(const SettingsStore& settings)
{
    DisplayChoice choice;
    const QString section = QLatin1String(DisplaySection);
    const auto scale = [&](const char* key) {
        return ParseScale(settings.GetSetting(section, QLatin1String(key), QStringLiteral("0"))).value_or(0);
    };
    choice.scale = scale(ScaleKey);
    choice.fullScreenScale = scale(FullScreenScaleKey);
    choice.fullScreen =
        SettingsStore::ParseBoolean(settings.GetSetting(section, QLatin1String(FullScreenKey), QStringLiteral("False")))
            .value_or(false);
    const AdultLocks& locks = settings.locks();
    if (locks.fullScreen)
        choice.fullScreen = *locks.fullScreen;
    if (locks.scale)
        choice.scale = choice.fullScreenScale = *locks.scale;
    return choice;
}

void SaveScaleChoice(SettingsStore& settings, const DisplayChoice& choice)
{
    settings.SaveSetting(QLatin1String(DisplaySection),
                         QLatin1String(choice.fullScreen ? FullScreenScaleKey : ScaleKey),
                         QString::number(choice.current()));
}

void SaveFullScreenChoice(SettingsStore& settings, bool fullScreen)
{
    settings.SaveSetting(QLatin1String(DisplaySection), QLatin1String(FullScreenKey),
                         SettingsStore::BooleanText(fullScreen));
}

void SetDisplayForThisRun(SettingsStore& settings, std::optional<double> scale, std::optional<bool> fullScreen)
{
    const QString section = QLatin1String(DisplaySection);
    if (scale) {
        for (const char* key : {ScaleKey, FullScreenScaleKey})
            settings.SetForThisRun(section, QLatin1String(key), QString::number(*scale));
    }
    if (fullScreen)
        settings.SetForThisRun(section, QLatin1String(FullScreenKey), SettingsStore::BooleanText(*fullScreen));
}

double PagePosition(int pixel, double scale)
{
    return (pixel + 0.5) / scale - 0.5;
}

int PagePixel(int pixel, double scale)
{
    return int(std::nearbyint(PagePosition(pixel, scale)));  // ties to even, as the fill rounds
}

}  // namespace atoz
