#include "support/RecordingListener.h"

#include "world/Entity.h"
#include "world/SceneManager.h"
#include "world/SceneNode.h"

#include <gtest/gtest.h>

#include <memory>

// The entities' queues are worked off in the order the entities entered the scene, whatever
// their addresses: which of two explosions made in one update gets which generated name, and so
// every replay, depends on it.
TEST(SceneQueueOrder, EntityQueuesAreWorkedOffInArrivalOrder) {
    const int probeType = 0x7002;
    SceneManager scene;
    std::vector<std::string> journal;
    std::vector<std::unique_ptr<RecordingListener>> listeners;
    std::vector<std::string> arrivals;
    for (int index = 0; index < 24; ++index) {
        std::string name = "e" + std::to_string(index);
        SceneNode* node = Entity::create(name);
        scene.addNode(node);
        listeners.push_back(std::make_unique<RecordingListener>(probeType, &journal, name));
        node->getEntity()->addListener(listeners.back().get());
        arrivals.push_back(name);
    }
    // Queued in the opposite order, so that neither queueing nor naming order can pass for it.
    for (auto name = arrivals.rbegin(); name != arrivals.rend(); ++name)
        scene.findEntity(*name)->queueEvent(EventPtr(new Event(probeType, 0.0)));
    scene.updateProcess(0.016);
    EXPECT_EQ(journal, arrivals);
}
