#!/usr/bin/env python3
"""Draws all of the game's pictures, in the house style of tools/art/style.py, by running each
generator in turn (every one can also be run alone):

- backgrounds.py: the level backdrops Bg1-8, the plain star field, the menu's nebula and logo;
- title.py: the "VANTORIX" logotype (Title.png);
- player_ship.py and spaceship.py: the player's ship strip and the window icon;
- enemies.py: drone, dasher, avoider, gunship, the Warden and the Core, boss orb, enemy bolt;
- rocks.py: asteroids of three sizes, the obstacle block and the energy barrier;
- effects.py: the player's bolt and the explosion strips;
- pickups.py: the power-up strips and the help screen's pickup bands;
- ping.py and hud_bars.py: the ping ring, the HUD bars and the boss bar.

Deterministic: a second run writes the same files. Needs Debian's python3-pil only.
Run from the project root: /usr/bin/python3 tools/art/space.py
"""
import backgrounds
import effects
import enemies
import hud_bars
import pickups
import ping
import player_ship
import rocks
import spaceship
import title


def main():
    for module in (backgrounds, title, player_ship, spaceship, enemies, rocks, effects, pickups,
                   ping, hud_bars):
        module.main()


if __name__ == "__main__":
    main()
