#pragma once

// Where the simulator's devices listen on loopback; the demo configuration points here.
namespace SimPorts {
constexpr int Scale = 4001;
constexpr int Display = 4002;
constexpr int Rfid = 50000;
constexpr int Webcam = 8080;
} // namespace SimPorts
