// The verb list of the verb selector: the approved verbs in the order the
// writer scrolls them, under letter separators, some with their other use
// or their domain in parentheses.
#include "tools/verb_list.h"

const std::array<const char*, kVerbRowCount> kVerbRows = {
    "absorb", "accept", "adapt", "add", "adjust", "agree", "align", "apply", "arm (V/N)", "assemble",
    "attach", "  - B - ", "balance", "become", "bend (V/N)", "bleed", "blow", "bond (V/N)", "break",
    "breathe", "burn", "bypass", "  - C - ", "calculate", "calibrate", "cancel", "catch", "cause",
    "change (V/N)", "charge", "clean (V/A)", "click (comp.)", "close", "collect", "come", "compare",
    "complete", "compress", "connect", "contain", "continue", "control (V/N)", "correct (V/A)", "count",
    "cut", "  - D - ", "de-energize", "decrease", "deflate", "defuel", "delete (comp.)", "deploy", "disarm",
    "disassemble", "discard", "disconnect", "disengage", "divide (math)", "do ", "drag (comp.)", "drain",
    "drink (safety)", "dry (V/A)", "  - E  -", "eat (safety)", "eject", "energize", "engage",
    "enter (comp.)", "erase ", "examine", "expand", "extend", "extinguish (safety)", "  - F - ", "fall",
    "feather", "feel", "find", "fire (V/N)", "flash (lights)", "flow (V/N", "flush (V/A)", "fold", "follow",
    "freeze", "  - G  - ", "get", "give", "go", "ground (V/N) ", "  - H - ", "hang", "hear", "help", "hit",
    "hold", "  - I  -", "identify", "ignore", "illuminate", "include", "increase", "inflate", "install",
    "interchange", "isolate", "  - K  -", "keep", "kill (safety)", "know", "  - L -", "latch", "let", "lift",
    "listen", "lock", "look", "loosen", "lower (V/A)", "lubricate", "  -  M - ", "make", "make sure",
    "measure", "melt", "mix", "monitor", "moor", "move", "multiply (math)", "  - O - ", "obey (safety)",
    "occur", "open (V/A)", "operate", "override", "  - P - ", "paint (V/N)", "park", "point (V/N)",
    "polish (V/N)", "prepare", "pressurize", "prevent", "protrude", "pull", "push", "put", "  - R -", "read",
    "receive", "recommend", "record (V/N)", "recycle", "refer", "refuel", "reject", "release", "remove",
    "repair (V/N)", "replace", "retract", "rub", "  - S -", "safety (V/N)", "schedule", "seal (V/N)", "see",
    "select (comp.)", "send", "sense", "set (V/N)", "shake", "show", "simulate", "smell (safety)",
    "smoke (V/N)", "soak", "speak (voice.)", "spill ", "spray (V/N)", "start (V/N)", "stay", "stop", "stow",
    "subtract (math", "supply (V/N)", "swallow", "  - T - ", "tag", "tap", "tell (info)", "think", "tighten",
    "tilt", "torque (V/N)", "touch", "tow", "transmit", "try", "tune", "turn (V/N)", "twist", "   - U  -",
    "unfold", "unlock", "unwind", "use", "   -  W  - ", "wait", "walk", "wear", "weigh", "wind (V/N)",
    "write",
};
