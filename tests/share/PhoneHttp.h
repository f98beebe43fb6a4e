// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>
#include <gtest/gtest.h>

// One HTTP request on a connection of its own, as a phone's browser sends it.
struct PhoneReply {
    int Status = 0;
    QByteArray Head;
    QByteArray Body;
};

inline PhoneReply AskServer(quint16 port, const QByteArray& request)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(2000))
        return {};
    socket.write(request);
    QByteArray all;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 3000 && socket.state() == QAbstractSocket::ConnectedState)
        if (socket.waitForReadyRead(200))
            all += socket.readAll();
    all += socket.readAll();
    PhoneReply reply;
    const qsizetype split = all.indexOf("\r\n\r\n");
    reply.Head = all.left(split);
    reply.Body = split < 0 ? QByteArray() : all.mid(split + 4);
    reply.Status = all.mid(9, 3).toInt();
    return reply;
}

inline PhoneReply GetFrom(quint16 port, const QByteArray& path)
{
    return AskServer(port, "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
}

inline PhoneReply PostTo(quint16 port, const QByteArray& path, const QByteArray& body)
{
    return AskServer(port, "POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n"
                           "Content-Type: application/json\r\nContent-Length: " +
                               QByteArray::number(body.size()) + "\r\n\r\n" + body);
}
