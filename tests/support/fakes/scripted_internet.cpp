#include "support/fakes/scripted_internet.h"

#include <algorithm>
#include <cstring>

InternetHandle ScriptedInternet::NewHandle() {
    lastHandle_ += 4;
    openHandles_.insert(lastHandle_);
    return lastHandle_;
}

InternetHandle ScriptedInternet::InternetOpenA(const std::string& agent, std::uint32_t accessType,
                                               std::uint32_t flags) {
    opens.push_back({agent, accessType, flags});
    return openFails ? 0 : NewHandle();
}

InternetHandle ScriptedInternet::InternetOpenUrlA(InternetHandle internet, const char* url,
                                                  std::uint32_t flags, std::uintptr_t context) {
    urlOpens.push_back({internet, url, flags, context});
    if (whileFetching) {
        whileFetching();
    }
    const auto response = responses.find(url);
    if (openHandles_.count(internet) == 0 || response == responses.end()) {
        return 0;
    }
    const InternetHandle file = NewHandle();
    requests_[file] = Request{&response->second};
    return file;
}

bool ScriptedInternet::InternetReadFile(InternetHandle file, void* buffer,
                                        std::uint32_t bytesToRead, std::uint32_t& bytesRead) {
    readSizesAsked.push_back(bytesToRead);
    bytesRead = 0;
    const auto request = requests_.find(file);
    if (request == requests_.end() || openHandles_.count(file) == 0) {
        return false;
    }
    Request& state = request->second;
    const std::string& body = state.response->body;
    std::size_t end = body.size();
    if (state.response->failAt) {
        if (state.position >= *state.response->failAt) {
            return false;
        }
        end = std::min(end, *state.response->failAt);
    }
    const std::size_t count = std::min({std::size_t{bytesToRead}, chunkSize, end - state.position});
    std::memcpy(buffer, body.data() + state.position, count);
    state.position += count;
    bytesRead = static_cast<std::uint32_t>(count);
    return true;
}

bool ScriptedInternet::InternetCloseHandle(InternetHandle handle) {
    closed.push_back(handle);
    return openHandles_.erase(handle) == 1;
}

std::size_t ScriptedInternet::BytesServed(InternetHandle file) const {
    const auto request = requests_.find(file);
    return request == requests_.end() ? 0 : request->second.position;
}
