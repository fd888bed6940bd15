// A first-start situation for the configuration tests: the program named
// OltomaW64, one installed printer "laser", message boxes that answer from a
// script, and helpers that read the file's bytes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/settings/program_name.h"
#include "bound_services.h"
#include "scripted_message_boxes.h"
#include "scripted_printer_catalog.h"

namespace oltoma::testing {

class ConfigurationTest : public ::testing::Test {
protected:
    ConfigurationTest()
        : home(std::getenv("HOME")), bound_({.messageBoxes = &boxes, .printerCatalog = &printers}) {
        ProgramName = "OltomaW64";
        platform::PrinterInfo& laser = printers.Add("laser");
        laser.driver = "Laser 9000 PS";
        laser.port = "usb://laser";
        laser.resolutionX = 600;
        laser.resolutionY = 1200;
        laser.minimumMargins = {423, 424, 425, 426};
    }

    std::string ConfigFile() const { return home + "/.config/OltomaW64/OltomaW64.P64"; }
    std::string DefaultDataDirectory() const { return home + "/Documents/OltomaW64/data"; }

    std::vector<unsigned char> FileBytes() const {
        std::ifstream file(ConfigFile(), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    static std::int64_t Integer(const std::vector<unsigned char>& bytes, std::size_t offset,
                                int width) {
        std::uint64_t value = 0;
        for (int i = width - 1; i >= 0; --i) {
            value = (value << 8) | bytes.at(offset + i);
        }
        if (width < 8 && (value >> (width * 8 - 1)) != 0) {
            value |= ~std::uint64_t{0} << (width * 8);  // sign-extend
        }
        return static_cast<std::int64_t>(value);
    }
    static std::string ShortText(const std::vector<unsigned char>& bytes, std::size_t offset) {
        return std::string(bytes.begin() + offset + 1,
                           bytes.begin() + offset + 1 + bytes.at(offset));
    }
    static std::string NulText(const std::vector<unsigned char>& bytes, std::size_t offset) {
        std::string text;
        for (std::size_t i = offset; bytes.at(i) != 0; ++i) {
            text += static_cast<char>(bytes[i]);
        }
        return text;
    }

    const std::string home;
    ScriptedMessageBoxes boxes;
    ScriptedPrinterCatalog printers;
    BoundServices bound_;
};

}  // namespace oltoma::testing
