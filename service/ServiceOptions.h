#pragma once

// Command line of vellamor-service.
//   --address ADDR     address to listen on (default 127.0.0.1)
//   --port N           port (default 8642; 0 picks a free one)
//   --database PATH    SQLite database file (default ":memory:", nothing kept)
//   --max-heads N      most heads per account (default 3)
//   --credits N        credits of a new account, one per upload (default 10)
//   --help

#include "service/VellamorService.h"

#include <string>
#include <vector>

namespace stoupe::service {

struct ServiceOptions {
    std::string address = "127.0.0.1";
    int port = 8642;
    std::string database = ":memory:";
    ServiceSettings settings;
    bool help = false;
};

inline constexpr char kServiceUsage[] =
    "usage: vellamor-service [--address ADDR] [--port N] [--database PATH]\n"
    "                        [--max-heads N] [--credits N]\n"
    "  --address ADDR   address to listen on (default 127.0.0.1)\n"
    "  --port N         port to listen on, 0 for any free one (default 8642)\n"
    "  --database PATH  SQLite file for accounts and heads (default: in memory)\n"
    "  --max-heads N    most heads one account may hold (default 3)\n"
    "  --credits N      credits of a new account, one per upload (default 10)\n";

// Fills `options`; on a bad argument returns false and sets `error`.
bool ParseServiceOptions(const std::vector<std::string>& args, ServiceOptions& options,
                         std::string& error);

} // namespace stoupe::service
