#pragma once

#include <boost/shared_ptr.hpp>

// A typed message with a time stamp in seconds. For a queued event the stamp is the time on the
// owning event manager's clock at which it is due. Events travel as shared pointers.
class Event {
public:
    Event(int eventType, double time) : eventType(eventType), time(time) {}
    virtual ~Event() = default;

    int getEventType() const { return eventType; }
    double getTime() const { return time; }
    void setTime(double newTime) { time = newTime; }

private:
    int eventType;
    double time;
};

typedef boost::shared_ptr<Event> EventPtr;

// Every event type code in the program.
namespace EventType {
enum : int {
    Timer = 0x80,
    Scene = 0x120,
    Entity = 0x130,
    TemplateInstantiationAction = 0x151,
    ComponentAdderAction = 0x152,
    ScriptRunnerAction = 0x153,
    Key = 0x210,
    Mouse = 0x211,
    Window = 0x212,
    PlayerAction = 0x220,
    PlayerActionConnection = 0x221,
    Animation = 0x350,
    AnimationAction = 0x351,
    CheckCollidableAction = 0x401,
    Collidable = 0x410,
    CollidableLine = 0x411,
    PlayingArea = 0x420,
    MovableAction = 0x450,
    Targetable = 0x710,
    Damageable = 0x780,
    DamageableAction = 0x781,
    BulletShooterAction = 0x791,
    Scoreable = 0x810,
    CountableObjectRemoval = 0x815,
    PlayerShield = 0x820,
    MultiTriggerAction = 0x850,
    LevelAction = 0x900,
};
}
