#include "mainwindow/geometry.h"

#include "mainwindow/captions.h"

namespace geometry {

namespace {

// The settings of one command, each size reckoned from the one set last.
class Plan
{
public:
    explicit Plan(Size size)
        : m_size(size)
    { }

    std::vector<Setting> settings() const { return m_settings; }
    Size size() const { return m_size; }

    void showLegend()
    {
        caption(Setting::Target::LegendCaption, captions::LegendShown);
        width(m_size.width + LegendWidth);
    }

    void hideLegend()
    {
        caption(Setting::Target::LegendCaption, captions::LegendHidden);
        width(m_size.width - LegendWidth);
    }

    void toggleLegend()
    {
        if (legendShown(m_size))
            hideLegend();
        else
            showLegend();
    }

    void caption(Setting::Target target, const QString &caption)
    {
        m_settings.push_back({target, caption});
    }

    void width(float width)
    {
        m_size.width = width;
        m_settings.push_back({Setting::Target::Width, {}, width});
    }

    void height(float height)
    {
        m_size.height = height;
        m_settings.push_back({Setting::Target::Height, {}, height});
    }

private:
    Size m_size;
    std::vector<Setting> m_settings;
};

} // namespace

std::vector<Setting> legendToggle(Size size)
{
    Plan plan(size);
    plan.toggleLegend();
    return plan.settings();
}

std::vector<Setting> solve(Size size)
{
    // A shown legend is hidden by the toggle and shown again: the window narrows and widens
    // within the one command, which always ends with the legend shown.
    Plan plan(size);
    plan.toggleLegend();
    if (!legendShown(plan.size()))
        plan.showLegend();
    return plan.settings();
}

std::vector<Setting> clear(Size size)
{
    Plan plan(size);
    if (legendShown(size))
        plan.hideLegend();
    return plan.settings();
}

std::vector<Setting> windowToggle(Size size)
{
    Plan plan(size);
    if (!expanded(size)) {
        // The expanded window always shows the legend.
        plan.width(NarrowWidth);
        plan.caption(Setting::Target::WindowCaption, captions::Expanded);
        plan.height(plan.size().height + BannerHeight);
        plan.toggleLegend();
    } else {
        // The collapsed window always starts without it.
        plan.caption(Setting::Target::WindowCaption, captions::Collapsed);
        plan.height(plan.size().height - BannerHeight);
        plan.caption(Setting::Target::LegendCaption, captions::LegendHidden);
        plan.width(NarrowWidth);
    }
    return plan.settings();
}

} // namespace geometry
