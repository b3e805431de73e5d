#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pickwise {

// Hears how a request goes. Calls arrive on the thread that started the request,
// from its event loop.
class HttpListener
{
public:
    virtual ~HttpListener() = default;

    // A transfer state code, one of HttpClient::State.
    virtual void httpState(int code) = 0;

    // Body bytes received so far and the total the server announced (-1 when it
    // announced none), reported while the body arrives so that a listener can
    // refuse a body that is too large before all of it is held.
    virtual void httpArriving(int64_t received, int64_t announced)
    {
        (void)received;
        (void)announced;
    }
};

// An asynchronous HTTP GET that reports its progress as state codes, then hands
// out the status, the headers and the body in small pieces.
class HttpClient
{
public:
    enum State : int {
        NoState = 0,
        Resolving = 1,
        Resolved = 2,
        Connecting = 3,
        Connected = 4,
        Requesting = 5,
        RequestSent = 6,
        Receiving = 7,
        Received = 8,
        Closing = 9,
        Closed = 10,
        Error = 11, // no whole response: the transfer failed, or no byte came for too long
        Completed = 12, // the response and all its body have arrived
    };

    static constexpr size_t maxPiece = 256;

    virtual ~HttpClient() = default;

    // Starts a GET of url (http or https) and returns at once; an earlier request
    // is cancelled first. States go to listener until Completed or Error, or
    // until cancel().
    virtual void get(const std::string &url, HttpListener *listener) = 0;

    // After Completed: the HTTP status code (0 when there was no response).
    virtual int status() const = 0;

    // After Completed: the status code with the server's text ("404 Not Found").
    virtual std::string statusText() const = 0;

    // After Error: why the transfer failed, in plain words ("connection
    // refused", "no such host", "the connection dropped after 1200 bytes",
    // "timed out: ...").
    virtual std::string failure() const = 0;

    // After Completed: the value of a response header, its name matched without
    // regard to case; false when the response has no such header.
    virtual bool header(const std::string &name, std::string &value) const = 0;

    // After Completed: the next piece of the body, at most maxPiece bytes; an
    // empty piece once the body is exhausted.
    virtual std::vector<uint8_t> nextPiece() = 0;

    // Stops the request and drops what arrived; the listener hears nothing more.
    virtual void cancel() = 0;
};

} // namespace pickwise
