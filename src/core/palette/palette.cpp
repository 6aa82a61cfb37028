#include "palette.h"

#include "platform/settingsstore.h"

namespace atoz {

namespace {

// Rows of the bar from top to bottom hold swatches 0-2, 3-5, ...; each of the
// first eleven rows is one hue from dark (right) to light (left).
constexpr std::array<Colour, SwatchCount> Defaults = {
    3381657,  65535,    13434879,  // olive, yellow, cream
    26316,    3381759,  10079487,  // orange
    3355545,  255,      13421823,  // red
    6684876,  10040319, 13408767,  // rose
    10040217, 16711935, 16764159,  // magenta
    13369446, 16724889, 16751052,  // violet
    10040115, 16711680, 16764108,  // blue
    13395456, 16750899, 16764057,  // sky
    10066227, 16776960, 16777164,  // cyan
    3381555,  65280,    13434828,  // green
    52326,    10079385, 10092492,  // lime
    65793,    8947848,  16777215,  // near black, grey, white
    13408614, 10079334, 6737049,   // mixed tints
    13395609, 10053324, 6724044,
};

}  // namespace

Colour DefaultPaint(int index)
{
    return index >= 0 && index < SwatchCount ? Defaults[size_t(index)] : White;
}

QString DefaultPaintColor(int index)
{
    return QString::number(DefaultPaint(index));
}

Palette::Palette(SettingsStore& settings, QObject* parent) : QObject(parent), settings_(settings)
{
    colours_ = Defaults;
}

void Palette::LoadPalette()
{
    for (int c = 0; c < SwatchCount; ++c) {
        // Where an adult locked the palette, the paints are the adult's.
        const QString stored = settings_.locks().palette
            ? settings_.GetSetting(Section, SettingsKey(c), DefaultPaintColor(c))
            : settings_.GetSystemSetting(Section, SettingsKey(c), DefaultPaintColor(c));
        // Only this class writes these keys; any other text counts as missing.
        const auto value = SettingsStore::ParseInteger(stored, 0, MaxColour);
        colours_[size_t(c)] = value ? Colour(*value) : DefaultPaint(c);
    }
    ResetSwatchMarker();
    SelectSwatch(StartSwatch);
}

void Palette::ResetSwatchMarker()
{
    currentSwatch_ = 0;
    emit changed();
}

void Palette::SelectSwatch(int index)
{
    if (index < 0 || index >= SwatchCount)
        return;
    currentPaint_ = colours_[size_t(index)];
    currentSwatch_ = index;
    emit changed();
}

void Palette::SetPaintColor(Colour colour)
{
    colour &= MaxColour;
    currentPaint_ = PaintOf(colour);
    colours_[size_t(currentSwatch_)] = currentPaint_;
    storeSwatch(currentSwatch_);
    emit changed();
}

void Palette::RestoreDefaultPaint()
{
    SetPaintColor(DefaultPaint(currentSwatch_));
}

void Palette::RestoreAllDefaultPaints()
{
    const SettingsStore::WriteGroup group(settings_);
    for (int b = 0; b < SwatchCount; ++b) {
        colours_[size_t(b)] = DefaultPaint(b);
        storeSwatch(b);
    }
    currentPaint_ = colours_[size_t(currentSwatch_)];
    emit changed();
}

Colour Palette::SwatchColour(int index) const
{
    return index >= 0 && index < SwatchCount ? colours_[size_t(index)] : White;
}

Colour Palette::SwatchBackground(int index) const
{
    return index == currentSwatch_ ? White : SwatchColour(index);
}

void Palette::storeSwatch(int index)
{
    settings_.SaveSetting(Section, SettingsKey(index), QString::number(colours_[size_t(index)]));
}

}  // namespace atoz
