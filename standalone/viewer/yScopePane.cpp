#include "standalone/viewer/yScopePane.h"

#include "standalone/viewer/yViewerWorker.h"

#include <SDL.h>
#include <imgui.h>

#include <cstdio>

namespace yStandalone
{
namespace
{
ImVec2 At(double x, double y)
{
    return ImVec2(float(x), float(y));
}

std::string Count(uint64_t count)
{
    return std::to_string(count);
}

// A share as a percentage; a row of its own, since the columns are narrow at 100 %.
std::string Share(uint64_t count, uint64_t all)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f %%", all > 0 ? 100.0 * double(count) / double(all) : 0.0);
    return text;
}
} // namespace

bool yScopePane::Apply(const std::string& word)
{
    if (word == "log" || word == "linear")
        m_mode.log = word == "log";
    else if (word == "parade" || word == "overlay")
        m_mode.parade = word == "parade";
    else
        return false;
    return true;
}

void yScopePane::Release()
{
    if (m_texture) SDL_DestroyTexture(m_texture);
    m_texture = nullptr;
}

void yScopePane::Draw(SDL_Renderer* renderer, const yViewerFrame& frame, const yViewLayout& layout)
{
    const yBox& pane = layout.scope;
    const yBox& plot = layout.scopePlot;
    if (pane.width <= 0) return;
    // The picture is redrawn only when what it shows changed.
    if (frame.serial != m_drawnSerial || !(m_mode == m_drawnMode) || plot.width != m_drawnWidth ||
        plot.height != m_drawnHeight || !m_texture)
    {
        yScopePicture::Draw(frame.scopeBins, frame.scope.channels, m_mode, plot.width, plot.height, m_pixels);
        int w = 0, h = 0;
        if (m_texture && (SDL_QueryTexture(m_texture, nullptr, nullptr, &w, &h) != 0 || w != plot.width ||
                          h != plot.height))
            Release();
        if (!m_texture)
            m_texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC,
                                          plot.width, plot.height);
        if (m_texture) SDL_UpdateTexture(m_texture, nullptr, m_pixels.data(), plot.width * 4);
        m_drawnSerial = frame.serial;
        m_drawnMode = m_mode;
        m_drawnWidth = plot.width;
        m_drawnHeight = plot.height;
    }

    const float scale = float(layout.panelZoom);
    ImGui::SetNextWindowPos(At(pane.x, pane.y));
    ImGui::SetNextWindowSize(At(pane.width, pane.height));
    ImGui::Begin("Scope", nullptr,
                 ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoResize |
                     ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoSavedSettings |
                     ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoScrollWithMouse);
    ImGui::SetWindowFontScale(scale);
    ImGui::TextUnformatted("Scope");
    ImGui::SameLine();
    ImGui::Checkbox("Log scale", &m_mode.log);
    ImGui::SameLine();
    ImGui::Checkbox("Parade", &m_mode.parade);
    ImDrawList* draw = ImGui::GetWindowDrawList();
    // The picture spans the pane's whole width, padding included.
    draw->PushClipRect(At(pane.x, pane.y), At(pane.x + pane.width, pane.y + pane.height), false);
    if (m_texture)
        draw->AddImage(m_texture, At(plot.x, plot.y), At(plot.x + plot.width, plot.y + plot.height));
    DrawAxes(frame, plot, scale);
    draw->PopClipRect();
    ImGui::SetCursorScreenPos(At(pane.x + 8 * scale, plot.y + plot.height + 40 * scale));
    if (frame.scopeBins.empty())
        ImGui::TextUnformatted("No histogram until an image is rendered.");
    else
        DrawTable(frame);
    ImGui::End();
}

void yScopePane::DrawAxes(const yViewerFrame& frame, const yBox& plot, float scale) const
{
    ImDrawList* draw = ImGui::GetWindowDrawList();
    const int bins = int(frame.scopeBins.size());
    if (bins < 2) return;
    const float foot = float(plot.y + plot.height);
    const float row = ImGui::GetTextLineHeight();
    for (int q = 0; q <= 4; ++q)
    {
        // Quarters of the code values: 0, 64 .. 255 or 0, 8192 .. 32768.
        const int value = q == 4 ? bins - 1 : bins * q / 4;
        const float x =
            float(plot.x + std::min(plot.width - 1, yScopePicture::Column(value, bins, plot.width)));
        draw->AddLine(At(x, foot), At(x, foot + 4 * scale), IM_COL32(60, 60, 60, 255), scale);
        char code[16], unit[16];
        std::snprintf(code, sizeof code, "%d", value);
        std::snprintf(unit, sizeof unit, "%g", q / 4.0);
        for (const auto& [text, y] : {std::pair<const char*, float>{code, foot + 5 * scale},
                                      std::pair<const char*, float>{unit, foot + 5 * scale + row}})
        {
            const float width = ImGui::CalcTextSize(text).x;
            // The end labels stay inside the plot's width.
            const float left =
                std::min(std::max(x - width / 2, float(plot.x) + 2), float(plot.x + plot.width) - width - 2);
            draw->AddText(At(left, y), IM_COL32(30, 30, 30, 255), text);
        }
    }
}

void yScopePane::DrawTable(const yViewerFrame& frame) const
{
    const yHistogramStats& s = frame.scope;
    int shown = 0;
    for (const yChannelStats& c : s.channels)
        shown += c.shown;
    if (shown > 0 && ImGui::BeginTable("statistics", shown + 1,
                                       ImGuiTableFlags_Borders | ImGuiTableFlags_SizingStretchProp))
    {
        ImGui::TableSetupColumn(s.model.c_str(), ImGuiTableColumnFlags_WidthStretch, 1.6f);
        for (const yChannelStats& c : s.channels)
            if (c.shown) ImGui::TableSetupColumn(c.name.c_str());
        ImGui::TableHeadersRow();
        const auto row = [&](const char* label, auto value)
        {
            ImGui::TableNextRow();
            ImGui::TableNextColumn();
            ImGui::TextUnformatted(label);
            for (const yChannelStats& c : s.channels)
                if (c.shown)
                {
                    ImGui::TableNextColumn();
                    ImGui::TextUnformatted(value(c.summary).c_str());
                }
        };
        const auto number = [](double v, const char* format)
        {
            char text[32];
            std::snprintf(text, sizeof text, format, v);
            return std::string(text);
        };
        row("Mean", [&](const yChannelSummary& c) { return number(c.mean, "%.1f"); });
        row("Median", [&](const yChannelSummary& c) { return number(c.median, "%.0f"); });
        row("Deviation", [&](const yChannelSummary& c) { return number(c.deviation, "%.1f"); });
        const char* percentiles[] = {"0.1 %", "1 %", "5 %", "25 %", "75 %", "95 %", "99 %", "99.9 %"};
        for (size_t p = 0; p < yStatistics::kPercentiles.size(); ++p)
            row(percentiles[p], [&](const yChannelSummary& c) { return number(c.percentiles[p], "%.0f"); });
        row("Clipped low", [&](const yChannelSummary& c) { return Count(c.clippedLow); });
        row("  share", [&](const yChannelSummary& c) { return Share(c.clippedLow, c.samples); });
        row("Clipped high", [&](const yChannelSummary& c) { return Count(c.clippedHigh); });
        row("  share", [&](const yChannelSummary& c) { return Share(c.clippedHigh, c.samples); });
        ImGui::EndTable();
    }
    const yClampCounts& hdr = s.clamped;
    if (hdr.pixels == 0)
    {
        ImGui::TextUnformatted("Integer input: nothing clamped on reading.");
        return;
    }
    if (!ImGui::BeginTable("clamped", 5, ImGuiTableFlags_Borders | ImGuiTableFlags_SizingStretchProp)) return;
    ImGui::TableSetupColumn("Float input", ImGuiTableColumnFlags_WidthStretch, 1.6f);
    for (const char* name : {"R", "G", "B", "A"})
        ImGui::TableSetupColumn(name);
    ImGui::TableHeadersRow();
    for (int line = 0; line < 4; ++line)
    {
        const bool above = line >= 2, share = line % 2 == 1;
        ImGui::TableNextRow();
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(share ? "  share" : above ? "Above 1" : "Below 0");
        for (size_t k = 0; k < 4; ++k)
        {
            const uint64_t count = above ? hdr.above[k] : hdr.below[k];
            ImGui::TableNextColumn();
            ImGui::TextUnformatted((share ? Share(count, hdr.pixels) : Count(count)).c_str());
        }
    }
    ImGui::EndTable();
}
} // namespace yStandalone
