#include "operators/MatrixReductions.h"

namespace
{
const double kUndefined = 1e12;
}

double reduceSum(const ValueBlock &a)
{
    double s = 0.0;
    for (int i = 0; i < a.rows; ++i) {
        const double *row = a.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j)
            s = s + row[j];
    }
    return s;
}

void reduceSumCol(const ValueBlock &a, ValueRows &out)
{
    double *target = out[0].data();
    for (int j = 0; j < a.cols; ++j) {
        double s = 0.0;
        for (int i = 0; i < a.rows; ++i)
            s = s + a.at(i, j);
        target[j] = s;
    }
}

void reduceSumRow(const ValueBlock &a, ValueRows &out)
{
    for (int i = 0; i < a.rows; ++i) {
        const double *row = a.m.at(i).constData();
        double s = 0.0;
        for (int j = 0; j < a.cols; ++j)
            s = s + row[j];
        out[i][0] = s;
    }
}

double reduceMax(const ValueBlock &a)
{
    double m = -kUndefined;
    for (int i = 0; i < a.rows; ++i) {
        const double *row = a.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j)
            if (row[j] > m)
                m = row[j];
    }
    return m;
}

double reduceMin(const ValueBlock &a)
{
    double m = kUndefined;
    for (int i = 0; i < a.rows; ++i) {
        const double *row = a.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j)
            if (row[j] < m)
                m = row[j];
    }
    return m;
}

void reduceMaxCol(const ValueBlock &a, ValueRows &out)
{
    double *target = out[0].data();
    for (int j = 0; j < a.cols; ++j) {
        double m = -kUndefined;
        for (int i = 0; i < a.rows; ++i)
            if (a.at(i, j) > m)
                m = a.at(i, j);
        target[j] = m;
    }
}

void reduceMaxRow(const ValueBlock &a, ValueRows &out)
{
    for (int i = 0; i < a.rows; ++i) {
        const double *row = a.m.at(i).constData();
        double m = -kUndefined;
        for (int j = 0; j < a.cols; ++j)
            if (row[j] > m)
                m = row[j];
        out[i][0] = m;
    }
}
