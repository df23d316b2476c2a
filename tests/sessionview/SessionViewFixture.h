#pragma once

#include "transfer/ActivityFixture.h"

#include "core/ImageControls.h"
#include "mainwindow/frmMain.h"
#include "sessionview/SessionPane.h"

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>

#include <optional>
#include <string>

// A fresh installation with the main window as gMainForm, and helpers that store samples.
class SessionViewFixture : public ActivityFixture {
protected:
    void SetUp() override {
        ActivityFixture::SetUp();
        gMainForm = &window;
        gCurrentGraph.clear();
        gShownSessionKey = 0;
        gGraphSelectLive = true;
        gPrimaryUnit = "mi";
        gUseSmoothing = true;
        gLanguageOffset = 0;
    }
    void TearDown() override {
        gMainForm = nullptr;
        ActivityFixture::TearDown();
    }

    SessionKey addStored(int type, std::optional<int> graph1 = {}, std::optional<int> graph2 = {}) {
        return ActivityBuilder()
            .start("2026-03-09 07:05:09")
            .type(type)
            .duration(600)
            .unit("mi")
            .graphs(graph1, graph2)
            .store(gConn);
    }

    void addSample(SessionKey key, double time, int dataType, std::optional<double> altitude = {},
                   double hr = 0, double speed = 6, double distance = 0.01) {
        testing::storeSamples(gConn, key,
                              {{.time = time,
                                .type = dataType,
                                .hr = hr,
                                .speed = speed,
                                .distance = distance,
                                .altitude = altitude,
                                .latitude = dataType == 2 ? std::optional<double>(45.5) : std::nullopt}});
    }

    std::optional<std::int64_t> stored(const char *column, SessionKey key) {
        const auto query = read(key, column);
        return query.isNull(0) ? std::nullopt : std::optional(query.columnInt64(0));
    }

    // The window's pane, as the window hands it to the graph.
    sessionview::SessionPane pane() {
        frmMain &w = window;
        return {w.TChart3,       w.GraphLabel,    w.lblNote,        w.cmbGraph1,      w.cmbGraph2,
                w.lblGraphLeft1, w.lblGraphLeft2, w.lblGraphRight1, w.lblGraphRight2, w.Combo1,
                w.Combo2,        w.Combo3,        w.Label1,         w.Label3,         w.lblSelectGraph,
                w.resImage[5],   w.resImage[6],   w.resImagePlot,   w.resSummary,     w.ListView1};
    }

    frmMain window;
};
