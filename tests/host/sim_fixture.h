#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/sim/sim_items.h"
#include "host/sim/sim_outlook.h"

namespace tarn::host::sim {

// A fresh test host and short ways to fill and read its folders.
class SimFixture : public ::testing::Test {
protected:
    std::shared_ptr<SimItem> Mail(const std::string& subject, const std::shared_ptr<SimFolder>& folder = nullptr) {
        return outlook.AddItem(folder ? folder : outlook.Inbox(), {{platform::prop_tag::Subject, subject}});
    }

    static std::string SubjectOf(const ItemPtr& item) {
        return std::dynamic_pointer_cast<SimItem>(item)->Properties().at(platform::prop_tag::Subject);
    }

    static std::vector<std::string> Subjects(const std::shared_ptr<SimFolder>& folder) {
        std::vector<std::string> subjects;
        for (const auto& item : folder->StoredItems().Elements()) subjects.push_back(SubjectOf(item));
        return subjects;
    }

    // Records the subject of every item the folder's ItemAdd reports.
    host::Subscription RecordArrivals(const std::shared_ptr<SimFolder>& folder, std::vector<std::string>& arrivals) {
        return folder->Items()->OnItemAdd([&arrivals](const ItemPtr& item) { arrivals.push_back(SubjectOf(item)); });
    }

    SimOutlook outlook;
};

using Strings = std::vector<std::string>;

}  // namespace tarn::host::sim
